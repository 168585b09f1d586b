# Monitoring page, its web-view module and the window artwork.
include(GNUInstallDirs)
set(WV_WEBVIEW_INSTALL_SUBDIR wreckvale-launcher)
add_subdirectory(webview)

target_sources(wreckvale_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/monitoring_page.h
  ${CMAKE_CURRENT_LIST_DIR}/monitoring_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/webview/browser_view.h
  ${CMAKE_CURRENT_LIST_DIR}/webview/module_loader.h
  ${CMAKE_CURRENT_LIST_DIR}/webview/module_loader.cpp)

# Built with the launcher, loaded by it only at run time: no link.
add_dependencies(wreckvale_ui wreckvale_webview)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/webview/module_loader.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS WV_WEBVIEW_MODULE_FILE="$<TARGET_FILE_NAME:wreckvale_webview>")
# Only an installed build looks in the folder it installs the module into.
if(WV_INSTALLED_BUILD)
  set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/webview/module_loader.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS
      WV_WEBVIEW_INSTALL_DIR="${CMAKE_INSTALL_FULL_LIBDIR}/${WV_WEBVIEW_INSTALL_SUBDIR}")
endif()

# The artwork is compiled into its own objects that every program linking
# wreckvale_ui takes directly: in the static archive alone, nothing would
# refer to them and the linker would drop the resources.
add_library(wreckvale_artwork OBJECT ${CMAKE_CURRENT_LIST_DIR}/artwork/artwork.qrc)
set_target_properties(wreckvale_artwork PROPERTIES AUTORCC ON)
target_link_libraries(wreckvale_artwork PRIVATE Qt6::Core)
target_sources(wreckvale_ui INTERFACE $<TARGET_OBJECTS:wreckvale_artwork>)
add_dependencies(wreckvale_ui wreckvale_artwork)
