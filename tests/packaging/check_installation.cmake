# Installs the build into PREFIX and checks every file a desktop needs, then runs the installed program.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/tavi-css-editor
  lib/tavi-css-editor/tavi-preview.so
  share/applications/tavi-css-editor.desktop
  share/man/man1/tavi-css-editor.1.gz)
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

execute_process(COMMAND "${PREFIX}/bin/tavi-css-editor" --version
  RESULT_VARIABLE result OUTPUT_VARIABLE version)
if(NOT result EQUAL 0 OR NOT version MATCHES "^TAVI CSS Editor")
  message(FATAL_ERROR "the installed program did not start: ${result} ${version}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
