# What `cmake --install` puts under its prefix and `make package` into the
# Debian package: the program, its menu entry, the file type of card files,
# its icon and the help text.
include(GNUInstallDirs)
# Packing takes the program as built; it does not build the tests first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS ovrida RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/ovrida.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The file type of card files; the system's mime database takes it in (the
# package's trigger, or `update-mime-database PREFIX/share/mime` after an
# install under another prefix).
install(FILES ${PROJECT_SOURCE_DIR}/data/ovrida-card.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ovrida.xml)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/ovrida.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/ovrida-48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME ovrida.png)
install(FILES ${PROJECT_SOURCE_DIR}/tests/data/helptext.txt
        DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME help.txt)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ovrida)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Заповнення, збереження і друк карток РК, ОК і ОКД")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ovrida <ovrida@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, qt6-translations-l10n, fonts-liberation2")
include(CPack)
