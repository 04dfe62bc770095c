# Fails when a folder includes a header of a layer above it: platform/ no editor/ header; the core no toolkit, window
# system, widget or Qt-based platform header; the layers below the core none of those and no editor/ header either.
# Run with -DSOURCE_DIR=<project folder>.
function(check_folder folder pattern why)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" hits REGEX "${pattern}")
    if(hits)
      message(SEND_ERROR "${source}: ${why}: ${hits}")
    endif()
  endforeach()
endfunction()

check_folder(platform "#include [\"<]editor/" "platform/ includes an editor header")
# The toolkit, the window system and everything above the core.
set(above "Q[A-Za-z]+|qt|X11/|app/|components/|dialogs/|editor/[a-z_]+\\.h|platform/[a-z_]+\\.h")
check_folder(editor/core "#include [\"<](${above})" "the core includes the toolkit or a layer above it")
foreach(folder platform/os text css)
  check_folder(${folder} "#include [\"<](${above}|editor/)" "a layer below the core includes the toolkit or a layer above it")
endforeach()
