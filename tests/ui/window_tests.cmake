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

# The window on a virtual X display at several scales, read back from the
# screen: bevels, text that fits, the focus frame, sharp artwork.
add_executable(scale_test ${CMAKE_CURRENT_LIST_DIR}/scale_test.cpp
                          ${CMAKE_CURRENT_LIST_DIR}/window_fixture.h)
target_link_libraries(scale_test PRIVATE wreckvale_app Qt6::Test)
wv_warnings(scale_test)
find_program(WV_XVFB_RUN xvfb-run)
if(WV_XVFB_RUN)
  set(wv_display ${WV_XVFB_RUN} -a -s "-screen 0 1024x768x24 -noreset")
  foreach(scale 1 1.25 1.5 2)
    add_test(NAME scale_test_${scale} COMMAND ${wv_display} $<TARGET_FILE:scale_test>)
    set_tests_properties(scale_test_${scale} PROPERTIES
      ENVIRONMENT "QT_SCALE_FACTOR=${scale};WV_EXPECTED_SCALE=${scale}" TIMEOUT 60)
  endforeach()
  # A display that says 144 dpi, as a desktop set to 150 % does.
  add_test(NAME scale_test_xft_dpi_144 COMMAND ${wv_display} sh -c
    "echo 'Xft.dpi: 144' | xrdb -merge && exec \"$0\"" $<TARGET_FILE:scale_test>)
  set_tests_properties(scale_test_xft_dpi_144 PROPERTIES
    ENVIRONMENT "WV_EXPECTED_SCALE=1.5" TIMEOUT 60)
endif()

# The tab row at the display scales players use: every shown tab fits in
# either language, the last one reachable.
foreach(scale 1.5 2)
  add_test(NAME layout_test_tabs_${scale} COMMAND layout_test tabsFitTheRow)
  set_tests_properties(layout_test_tabs_${scale} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=${scale}" TIMEOUT 60)
endforeach()
