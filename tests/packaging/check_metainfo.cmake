# Installs the build into PREFIX and has appstreamcli check the metainfo there, with the desktop entry and icons it
# names, offline: any error, warning or info fails. Skipped where appstreamcli is not installed.
find_program(APPSTREAMCLI appstreamcli)
if(NOT APPSTREAMCLI)
  message("SKIPPED: appstreamcli is not installed")
  return()
endif()

include("${CMAKE_CURRENT_LIST_DIR}/install_into_prefix.cmake")
# An empty folder passes: the file must be there.
set(metainfo "${PREFIX}/share/metainfo/org.example.tavi_css_editor.metainfo.xml")
if(NOT EXISTS "${metainfo}")
  message(FATAL_ERROR "not installed: ${metainfo}")
endif()
execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net --strict "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli rejects the installed metainfo:\n${report}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
