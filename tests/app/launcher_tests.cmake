# End to end: the built launcher in a game folder of its own, on a virtual
# X display, clicked by xdotool; a stand-in engine records what it receives.
add_executable(launcher_e2e_test ${CMAKE_CURRENT_LIST_DIR}/launcher_e2e_test.cpp)
target_link_libraries(launcher_e2e_test PRIVATE Qt6::Core Qt6::Test)
target_include_directories(launcher_e2e_test PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(launcher_e2e_test PRIVATE
  WV_LAUNCHER_FILE="$<TARGET_FILE:wreckvale-launcher>")
add_dependencies(launcher_e2e_test wreckvale-launcher)
wv_warnings(launcher_e2e_test)

find_program(WV_XVFB_RUN xvfb-run)
if(WV_XVFB_RUN)
  add_test(NAME launcher_e2e_test
    COMMAND ${WV_XVFB_RUN} -a -s "-screen 0 1024x768x24 -noreset" $<TARGET_FILE:launcher_e2e_test>)
else()
  # Runs on the display there is, or skips without one.
  add_test(NAME launcher_e2e_test COMMAND launcher_e2e_test)
endif()
set_tests_properties(launcher_e2e_test PROPERTIES TIMEOUT 120)
