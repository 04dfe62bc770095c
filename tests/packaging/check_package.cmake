# Makes the Debian package from the build with cpack, as scripts/build-package.sh does, and fails on any error or
# warning lintian reports about it. Skipped where lintian is not installed.
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message("SKIPPED: lintian is not installed")
  return()
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB package "${WORK_DIR}/*.deb")
list(LENGTH package count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made no package: ${result}\n${output}")
endif()

# The tests may run as root, which lintian would otherwise warn about.
execute_process(COMMAND "${LINTIAN}" --allow-root --fail-on error,warning "${package}"
  RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT result EQUAL 0 OR report MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian finds faults in the package:\n${report}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
