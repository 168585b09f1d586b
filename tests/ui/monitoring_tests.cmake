# Monitoring page and tab: lazy web engine warmed on intent, its fallback line,
# page dialogs, and the artwork.
add_executable(monitoring_page_test ${CMAKE_CURRENT_LIST_DIR}/monitoring_page_test.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/monitoring_fixture.h
                                    ${CMAKE_CURRENT_LIST_DIR}/window_fixture.h)
target_link_libraries(monitoring_page_test PRIVATE wreckvale_app Qt6::Network Qt6::Test)
target_compile_definitions(monitoring_page_test PRIVATE
  WV_WEBVIEW_MODULE_FILE="$<TARGET_FILE_NAME:wreckvale_webview>")
wv_warnings(monitoring_page_test)

# The engine loads pages on the offscreen platform (it falls back to software
# drawing), so no X server is needed. Tests run as root: no sandbox.
add_test(NAME monitoring_page_test COMMAND monitoring_page_test)
set_tests_properties(monitoring_page_test PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1"
  TIMEOUT 150)
