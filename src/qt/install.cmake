# cmake --install: the program, its sound, help file, desktop entry and icon
# in their usual places; CPack makes a .deb of the same.
install(TARGETS QuillastorTimer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS quillastor_qt_sound LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/quillastor-timer)
if(DEFINED QUILLASTOR_NOTIFY_SOUND)
    install(FILES ${QUILLASTOR_NOTIFY_SOUND} ${QUILLASTOR_README} DESTINATION ${CMAKE_INSTALL_DATADIR}/quillastor-timer)
    install(FILES ${QUILLASTOR_ICON_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/quillastor-timer)
    install(FILES ${QUILLASTOR_ICON_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
            RENAME quillastor-timer.png)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/dist/linux/quillastor-timer.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillastor-timer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillastor <quillastor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Small always-visible countdown timer")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6multimedia6 (>= 6.4), qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
