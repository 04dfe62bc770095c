# Run by cpack on the installed tree before it makes the package: the packages that hold the libraries the program
# and the preview module link, as dpkg-shlibdeps finds them, join the dependencies named in CMakeLists.txt.
# (cpack's own dpkg-shlibdeps step would also make maintainer scripts that run ldconfig, for the module below
# /usr/lib, though the dynamic linker never looks for it there.)
set(root "${CPACK_TEMPORARY_DIRECTORY}")
# dpkg-shlibdeps works in a source tree: it wants a debian/control, which must not end up in the package.
file(WRITE "${root}/debian/control" "")
execute_process(COMMAND dpkg-shlibdeps --ignore-missing-info -O
    usr/bin/tavi-css-editor usr/lib/tavi-css-editor/tavi-preview.so
  WORKING_DIRECTORY "${root}"
  RESULT_VARIABLE result OUTPUT_VARIABLE found ERROR_VARIABLE errors)
file(REMOVE_RECURSE "${root}/debian")
if(NOT result EQUAL 0 OR NOT found MATCHES "shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "dpkg-shlibdeps failed: ${result}\n${errors}")
endif()
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${CMAKE_MATCH_1}")
