# Hardening: the real process start with real processes, the window against
# odd game folders and settings, and the built launcher's lazy web engine.
add_executable(process_start_test ${PROJECT_SOURCE_DIR}/tests/app/process_start_test.cpp)
target_link_libraries(process_start_test PRIVATE wreckvale_app GTest::gtest GTest::gtest_main)
wv_warnings(process_start_test)
gtest_discover_tests(process_start_test DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60)

add_executable(hardening_test ${CMAKE_CURRENT_LIST_DIR}/hardening_test.cpp
                              ${CMAKE_CURRENT_LIST_DIR}/window_fixture.h)
target_link_libraries(hardening_test PRIVATE wreckvale_app Qt6::Test)
wv_warnings(hardening_test)
add_test(NAME hardening_test COMMAND hardening_test)
set_tests_properties(hardening_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60)

# The built launcher on a virtual X display, like the end-to-end test.
find_package(Qt6 6.4 REQUIRED COMPONENTS Network)
add_executable(launcher_hardening_e2e_test
  ${PROJECT_SOURCE_DIR}/tests/app/launcher_hardening_e2e_test.cpp)
target_link_libraries(launcher_hardening_e2e_test PRIVATE Qt6::Network Qt6::Test)
target_include_directories(launcher_hardening_e2e_test PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(launcher_hardening_e2e_test PRIVATE
  WV_LAUNCHER_FILE="$<TARGET_FILE:wreckvale-launcher>")
add_dependencies(launcher_hardening_e2e_test wreckvale-launcher wreckvale_webview)
wv_warnings(launcher_hardening_e2e_test)
find_program(WV_XVFB_RUN xvfb-run)
if(WV_XVFB_RUN)
  add_test(NAME launcher_hardening_e2e_test
    COMMAND ${WV_XVFB_RUN} -a -s "-screen 0 1024x768x24 -noreset"
            $<TARGET_FILE:launcher_hardening_e2e_test>)
else()
  add_test(NAME launcher_hardening_e2e_test COMMAND launcher_hardening_e2e_test)
endif()
# Tests run as root, where the engine's sandbox cannot start.
set_tests_properties(launcher_hardening_e2e_test PROPERTIES
  ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1" TIMEOUT 90)
