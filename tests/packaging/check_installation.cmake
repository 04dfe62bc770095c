# Installs the build into PREFIX and checks every file a desktop needs, then runs the installed program.
include("${CMAKE_CURRENT_LIST_DIR}/install_into_prefix.cmake")

set(expected
  bin/tavi-css-editor
  lib/tavi-css-editor/tavi-preview.so
  share/applications/tavi-css-editor.desktop
  share/man/man1/tavi-css-editor.1.gz
  share/doc/tavi-css-editor/copyright
  share/doc/tavi-css-editor/changelog.gz
  share/metainfo/org.example.tavi_css_editor.metainfo.xml)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tavi-css-editor.png)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The entry opens style sheets with the installed program.
file(READ "${PREFIX}/share/applications/tavi-css-editor.desktop" entry)
foreach(line "Exec=tavi-css-editor %f" "MimeType=text/css;" "Icon=tavi-css-editor" "Name[ja]=")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks \"${line}\"")
  endif()
endforeach()
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/tavi-css-editor.desktop"
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects the entry")
  endif()
endif()

# The program, its manual page and its changelog name the project's version.
execute_process(COMMAND "${PREFIX}/bin/tavi-css-editor" --version
  RESULT_VARIABLE result OUTPUT_VARIABLE version)
if(NOT result EQUAL 0 OR NOT version STREQUAL "TAVI CSS Editor ${VERSION}\n")
  message(FATAL_ERROR "the installed program did not start, or names another version: ${result} ${version}")
endif()
function(expect_in_compressed file text)
  execute_process(COMMAND gzip -d -c "${PREFIX}/share/${file}" RESULT_VARIABLE result OUTPUT_VARIABLE content)
  string(FIND "${content}" "${text}" at)
  if(NOT result EQUAL 0 OR at EQUAL -1)
    message(FATAL_ERROR "share/${file} lacks \"${text}\"")
  endif()
endfunction()
expect_in_compressed(man/man1/tavi-css-editor.1.gz "\"TAVI CSS Editor ${VERSION}\"")
expect_in_compressed(doc/tavi-css-editor/changelog.gz "tavi-css-editor (${VERSION})")
file(REMOVE_RECURSE "${PREFIX}")
