# The real process start with real processes.
add_executable(process_start_test ${CMAKE_CURRENT_LIST_DIR}/process_start_test.cpp)
target_link_libraries(process_start_test PRIVATE wreckvale_app GTest::gtest GTest::gtest_main)
wv_warnings(process_start_test)
gtest_discover_tests(process_start_test DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60)

# End to end: the built launcher in a game folder of its own, on a virtual
# X display, clicked by xdotool; a stand-in game records what it receives.
# Each suite runs on a session bus and runtime folder of its own. A suite that
# lacks a tool ends with 77, which ctest shows as skipped.
find_program(WV_XVFB_RUN xvfb-run)
set(wv_own_session ${CMAKE_CURRENT_LIST_DIR}/own_session)
function(wv_launcher_test name timeout)
  add_executable(${name} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${name}.cpp
                         ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/launcher_session.h)
  target_link_libraries(${name} PRIVATE Qt6::Gui Qt6::Network Qt6::Test)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE WV_LAUNCHER_FILE="$<TARGET_FILE:wreckvale-launcher>")
  add_dependencies(${name} wreckvale-launcher ${ARGN})
  if(TARGET wreckvale-clipboard-keeper)
    target_compile_definitions(${name} PRIVATE
      WV_CLIPBOARD_KEEPER_FILE="$<TARGET_FILE:wreckvale-clipboard-keeper>")
  endif()
  wv_warnings(${name})
  if(WV_XVFB_RUN)
    add_test(NAME ${name}
      COMMAND ${wv_own_session} ${WV_XVFB_RUN} -a -s "-screen 0 1024x768x24 -noreset"
              $<TARGET_FILE:${name}>)
  else()
    # Never on the user's own display, where their clipboard manager and
    # windows would take part: without a display of its own it skips.
    add_test(NAME ${name} COMMAND ${wv_own_session} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT_MODIFICATION DISPLAY=unset:)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout} SKIP_RETURN_CODE 77)
endfunction()

wv_launcher_test(launcher_e2e_test 120)
# A clipboard manager of the test's own, run by the system's Python.
target_compile_definitions(launcher_e2e_test PRIVATE
  WV_CLIPBOARD_MANAGER="${CMAKE_CURRENT_LIST_DIR}/clipboard_manager.py")
wv_launcher_test(launcher_settings_e2e_test 300)
# The web engine is loaded only for the monitoring tab. Tests run as root,
# where the engine's sandbox cannot start.
wv_launcher_test(launcher_hardening_e2e_test 150 wreckvale_webview)
set_tests_properties(launcher_hardening_e2e_test PROPERTIES
  ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1")
# The module goes beside the launcher where a test wants the engine; nothing
# may ever come from the build tree.
target_compile_definitions(launcher_hardening_e2e_test PRIVATE
  WV_WEBVIEW_MODULE="$<TARGET_FILE:wreckvale_webview>" WV_BUILD_TREE="${CMAKE_BINARY_DIR}")

# Screen readers: the launcher on the accessibility bus of its suite's
# session bus, read and pressed over AT-SPI by the system's Python.
wv_launcher_test(accessibility_e2e_test 120 wreckvale_webview)
set_tests_properties(accessibility_e2e_test PROPERTIES
  ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1")
target_compile_definitions(accessibility_e2e_test PRIVATE
  WV_WEBVIEW_MODULE="$<TARGET_FILE:wreckvale_webview>")
target_compile_definitions(accessibility_e2e_test PRIVATE
  WV_ATSPI_TREE="${CMAKE_CURRENT_LIST_DIR}/atspi_tree.py")

# Wayland: the launcher as a native client of a headless weston of the test's
# own, worked over AT-SPI on a session bus of its own.
add_executable(wayland_e2e_test ${CMAKE_CURRENT_LIST_DIR}/wayland_e2e_test.cpp)
target_link_libraries(wayland_e2e_test PRIVATE Qt6::Core Qt6::Test)
target_include_directories(wayland_e2e_test PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(wayland_e2e_test PRIVATE
  WV_LAUNCHER_FILE="$<TARGET_FILE:wreckvale-launcher>"
  WV_ATSPI_TREE="${CMAKE_CURRENT_LIST_DIR}/atspi_tree.py")
add_dependencies(wayland_e2e_test wreckvale-launcher)
wv_warnings(wayland_e2e_test)
add_test(NAME wayland_e2e_test COMMAND ${wv_own_session} $<TARGET_FILE:wayland_e2e_test>)
set_tests_properties(wayland_e2e_test PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
