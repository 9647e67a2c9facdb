# Installed layout and the Debian package:
#   bin/kugelblick, bin/kugelblick-cli (their rules lie beside the targets in src/app)
#   share/kugelblick/               data set (src: data/), help collection (Kugelblick.qhc + .qch)
#   share/applications/kugelblick.desktop, share/icons/hicolor/scalable/apps/kugelblick.svg
# The program finds data set and help relative to itself (../share/kugelblick), so any prefix works.
install(FILES ${CMAKE_BINARY_DIR}/bin/Kugelblick.qhc ${CMAKE_BINARY_DIR}/bin/Kugelblick.qch
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kugelblick)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/kugelblick.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/src/widgets/icons/kugelblick.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kugelblick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kugelblick")
set(CPACK_PACKAGE_CONTACT "Kugelblick <kugelblick@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lotto 6 aus 49: Scheine auswerten, Systeme, Statistik, Zufallstipps")
set(CPACK_PACKAGE_DESCRIPTION
    "Kugelblick verwaltet die Gewinnzahlen aller Ziehungen, wertet Normal- und Systemscheine aus,\n\
bietet einen Katalog von Spielsystemen, Statistiken, Zufallstipps und den Druck auf Spielscheine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # kugelblick_1.7.0.0_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/kugelblick")
# The packages of the shared libraries the binaries link (libqt6widgets6, libqt6network6,
# libqt6printsupport6, libqt6help6, libxlsxwriter4, libminizip1, libfreexl1, ...) come from
# dpkg-shlibdeps. No linker sees these, loaded at run time: the SQLite driver (the help collection
# is an SQLite database) and Qt's German texts. The X11 platform plugin is part of libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-translations-l10n")
include(CPack)
