# Files that ship beside the program, generated into the build tree with the
# host's python3 (standard library only), so nothing binary lives in git.
#
#   include(ShippedFiles)                      # or include(cmake/ShippedFiles.cmake)
#   quillastor_shipped_files(<target> <dir>)
#
# defines the custom target <target> (built by ALL) that writes into <dir>:
#   NotifySound.wav       the alarm chime (scripts/make_notify_sound.py)
#   QuillastorTimer.ico   the icon, 16-256 px (scripts/make_icon.py)
#   QuillastorTimer.png   the same icon, 256 px, for desktop files
#   Readme*.txt           the help texts (copied from dist/): Readme.txt in
#                         Japanese, Readme-en.txt in English, one a language
# and sets in the caller's scope:
#   QUILLASTOR_NOTIFY_SOUND, QUILLASTOR_ICON_ICO, QUILLASTOR_ICON_PNG,
#   QUILLASTOR_README  (full paths of those files; the last holds every Readme)
# Make the program target depend on <target>; list the files in install() or
# resources as needed. Usable from any build, the cross build included.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(QUILLASTOR_SHIPPED_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/..")

function(quillastor_shipped_files target dir)
    set(src "${QUILLASTOR_SHIPPED_SOURCE_DIR}")
    set(wav "${dir}/NotifySound.wav")
    set(ico "${dir}/QuillastorTimer.ico")
    set(png "${dir}/QuillastorTimer.png")
    file(GLOB sources CONFIGURE_DEPENDS "${src}/dist/Readme*.txt")
    set(readme "")
    foreach(source ${sources})
        get_filename_component(name "${source}" NAME)
        list(APPEND readme "${dir}/${name}")
    endforeach()

    add_custom_command(OUTPUT "${wav}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${dir}"
        COMMAND Python3::Interpreter "${src}/scripts/make_notify_sound.py" "${wav}"
        DEPENDS "${src}/scripts/make_notify_sound.py"
        COMMENT "Generating NotifySound.wav" VERBATIM)
    add_custom_command(OUTPUT "${ico}" "${png}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${dir}"
        COMMAND Python3::Interpreter "${src}/scripts/make_icon.py" "${ico}" "${png}"
        DEPENDS "${src}/scripts/make_icon.py"
        COMMENT "Generating the program icon" VERBATIM)
    add_custom_command(OUTPUT ${readme}
        COMMAND ${CMAKE_COMMAND} -E copy ${sources} "${dir}"
        DEPENDS ${sources}
        COMMENT "Copying the Readmes" VERBATIM)
    add_custom_target(${target} ALL DEPENDS "${wav}" "${ico}" "${png}" ${readme})

    set(QUILLASTOR_NOTIFY_SOUND "${wav}" PARENT_SCOPE)
    set(QUILLASTOR_ICON_ICO "${ico}" PARENT_SCOPE)
    set(QUILLASTOR_ICON_PNG "${png}" PARENT_SCOPE)
    set(QUILLASTOR_README ${readme} PARENT_SCOPE)
endfunction()
