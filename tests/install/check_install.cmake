# Installs the build into a fresh prefix and checks that every file lies where the desktop
# and the shell look for it.
# cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
    bin/velmora
    bin/velmora-cli
    share/velmora/VELMORAHELP.html
    share/velmora/report-page.png
    share/velmora/main-window.png
    share/velmora/results-window.png
    share/velmora/design-check.png
    share/velmora/size-outlet.png
    share/applications/velmora.desktop
    share/mime/packages/velmora.xml
    share/icons/hicolor/scalable/apps/velmora.svg
    share/icons/hicolor/16x16/apps/velmora.png
    share/icons/hicolor/32x32/apps/velmora.png
    share/icons/hicolor/48x48/apps/velmora.png
    share/icons/hicolor/128x128/apps/velmora.png
    share/man/man1/velmora-cli.1
    share/man/man1/velmora.1
)
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(READ ${PREFIX}/share/applications/velmora.desktop desktop)
foreach(line "Exec=velmora %f" "Icon=velmora" "MimeType=application/x-velmora-project;")
    string(FIND "${desktop}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "velmora.desktop lacks '${line}'")
    endif()
endforeach()
file(READ ${PREFIX}/share/mime/packages/velmora.xml mime)
string(FIND "${mime}" "<glob pattern=\"*.vlm\"/>" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the project file type does not claim *.vlm")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/velmora.desktop
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate: ${out}")
    endif()
endif()

# The installed program finds its help in the installed data folder.
execute_process(COMMAND ${PREFIX}/bin/velmora-cli --help RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the installed velmora-cli does not run")
endif()
