# Window tests: each program opens the real window over fake platform
# adapters, in a temporary game folder of its own, on the offscreen platform;
# hardening_test starts real processes from odd game folders.
set(wv_window_tests chrome_test choices_test hardening_test keyboard_test launch_test layout_test
                    startup_test text_codec_test)
foreach(name IN LISTS wv_window_tests)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp
                         ${CMAKE_CURRENT_LIST_DIR}/window_fixture.h)
  target_link_libraries(${name} PRIVATE wreckvale_app Qt6::Test)
  wv_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 120)
endforeach()
