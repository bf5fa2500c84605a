# cmake --install: the program, its sound, help file, desktop entry, icon,
# software-centre entry and licence in their usual places; CPack makes a .deb
# of the same.
install(TARGETS QuillastorTimer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS quillastor_qt_sound LIBRARY DESTINATION ${QUILLASTOR_QT_MODULE_SUBDIR})
if(DEFINED QUILLASTOR_NOTIFY_SOUND)
    install(FILES ${QUILLASTOR_NOTIFY_SOUND} ${QUILLASTOR_README} DESTINATION ${CMAKE_INSTALL_DATADIR}/quillastor-timer)
    install(FILES ${QUILLASTOR_ICON_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/quillastor-timer)
    install(FILES ${QUILLASTOR_ICON_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
            RENAME quillastor-timer.png)
endif()

# The desktop entry and the software-centre entry, their texts filled in
# every language of the catalogue.
set(desktop_files "")
foreach(name quillastor-timer.desktop org.quillastor.timer.metainfo.xml)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/make_catalogue.py fill
                ${PROJECT_SOURCE_DIR}/po/quillastor-timer.pot ${PROJECT_SOURCE_DIR}/dist/linux/${name}.in
                ${CMAKE_CURRENT_BINARY_DIR}/${name} ${QUILLASTOR_PO_FILES}
        DEPENDS ${PROJECT_SOURCE_DIR}/scripts/make_catalogue.py ${PROJECT_SOURCE_DIR}/po/quillastor-timer.pot
                ${PROJECT_SOURCE_DIR}/dist/linux/${name}.in ${QUILLASTOR_PO_FILES}
        COMMENT "Filling ${name} from po/" VERBATIM)
    list(APPEND desktop_files ${CMAKE_CURRENT_BINARY_DIR}/${name})
endforeach()
add_custom_target(quillastor_desktop_files ALL DEPENDS ${desktop_files})
add_dependencies(QuillastorTimer quillastor_desktop_files)  # the package is made from the program's build
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quillastor-timer.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The manual pages (English, Japanese) and the changelog, compressed as
# Debian wants them.
foreach(doc QuillastorTimer.1 QuillastorTimer.ja.1 changelog)
    execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/dist/linux/${doc}
                    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${doc}.gz)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/dist/linux/QuillastorTimer.1
             ${PROJECT_SOURCE_DIR}/dist/linux/QuillastorTimer.ja.1 ${PROJECT_SOURCE_DIR}/dist/linux/changelog)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/QuillastorTimer.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/QuillastorTimer.ja.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1
        RENAME QuillastorTimer.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillastor-timer)

# The licence as Debian's machine-readable copyright file, made from LICENSE:
# its holder, then its text with each line indented and blank lines as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)\n\n(.*[^\n])" _ "${licence}")
string(REPLACE "\n\n" "\n.\n" licence_text "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " licence_text "${licence_text}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/copyright
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: Quillastor countdown timer\n\n"
     "Files: *\nCopyright: ${CMAKE_MATCH_1}\nLicense: Expat\n ${licence_text}\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillastor-timer)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.quillastor.timer.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillastor-timer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(QUILLASTOR_DEB_MAINTAINER "Quillastor <quillastor@localhost>" CACHE STRING "Maintainer field of the .deb")
set(CPACK_PACKAGE_CONTACT "${QUILLASTOR_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLASTOR_DEB_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small always-visible countdown timer")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A desktop countdown timer in one small borderless window that shows the"
    "remaining time (0:03:00) in a large font and nothing else. A double-click"
    "starts or stops it, a triple-click resets it, a drag moves it, and a right"
    "click opens a menu of preset times, a set-time dialog (a duration or a"
    "clock time), and font, colour and window options. At zero the window comes"
    "to the centre of the screen, on top of the others, flashes and sounds an"
    "alarm until it is clicked. The settings survive restarts. The interface is"
    "in Japanese or English, as the system's language chooses.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; it cannot see what Qt loads at run
# time (the platform plug-ins, its translations) nor the Japanese face that
# stands in for the Windows one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
