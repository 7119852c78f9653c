# Installing the game as a desktop application, and its Debian package.
include(GNUInstallDirs)

set(DUNEMARK_APP_ID org.example.Dunemark)
set(DUNEMARK_RELEASE_DATE 2026-12-06)

configure_file(data/${DUNEMARK_APP_ID}.metainfo.xml.in ${DUNEMARK_APP_ID}.metainfo.xml @ONLY)

# A game goes in PREFIX/games, as Debian wants of a package in the section "games". The desktop
# entry starts it by its whole path, since that folder need not be on the PATH (~/.local/games
# is not); the path is known only when installing, under whatever prefix that is.
set(DUNEMARK_GAMESDIR games)
install(TARGETS dunemark RUNTIME DESTINATION ${DUNEMARK_GAMESDIR})
# The ledger's module is the game's own, in a private folder off the system's library path (where
# Debian keeps a game's own libraries, and so no ldconfig call in the package's scripts). The
# program finds it from its own place, so it knows the one folder relative to the other.
set(DUNEMARK_MODULEDIR lib/games/dunemark)
install(TARGETS dunemark_ledger LIBRARY DESTINATION ${DUNEMARK_MODULEDIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(RELATIVE_PATH DUNEMARK_MODULE_PLACE /${DUNEMARK_GAMESDIR} /${DUNEMARK_MODULEDIR})
set_source_files_properties(ledger/LedgerLoader.cpp PROPERTIES
                            COMPILE_DEFINITIONS DUNEMARK_LEDGER_PLACE="${DUNEMARK_MODULE_PLACE}")
# Each install writes its own copy, so that a package and an install made at once do not mix.
install(CODE "
    set(DUNEMARK_EXEC \"\${CMAKE_INSTALL_PREFIX}/${DUNEMARK_GAMESDIR}/dunemark\")
    string(MD5 stage \"\$ENV{DESTDIR}\${DUNEMARK_EXEC}\")
    set(entry \"${CMAKE_CURRENT_BINARY_DIR}/desktop-entries/\${stage}/${DUNEMARK_APP_ID}.desktop\")
    configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/data/${DUNEMARK_APP_ID}.desktop.in\" \${entry}
                   @ONLY)
    file(INSTALL \${entry}
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")")
install(FILES assets/logo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${DUNEMARK_APP_ID}.svg)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${DUNEMARK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dunemark)
set(CPACK_PACKAGE_VENDOR "Dunemark Games")
set(CPACK_PACKAGE_CONTACT "Dunemark Games <dunemark@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desert trading game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Sentenced to death, you have a loan, 45 days and three desert towns to trade\n"
    "in. Buy where goods are cheap, sell where they are dear, and the money you\n"
    "make decides where you are buried.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/")
# dpkg-shlibdeps declares the Qt and C++ libraries the program links. The Liberation fonts are
# the ones its windows name; DejaVu stays the default sans-serif face of menus, which would
# otherwise fall to Liberation Mono on a system where Liberation is the only font installed.
# Debian 12 has Liberation Sans Narrow in fonts-liberation 1.x and Liberation 2 in
# fonts-liberation2; from Debian 13 on fonts-liberation is Liberation 2 (its version has the
# epoch 1, hence 1:2) and the narrow face has a package of its own. Either system satisfies
# each alternative with its own packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(CONCAT CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation (<< 1:2) | fonts-liberation-sans-narrow, "
    "fonts-liberation (>= 1:2) | fonts-liberation2, fonts-dejavu-core")
# Qt's own texts (the standard buttons) in the player's language; the game's are built in.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-translations-l10n")
include(CPack)

include(cmake/Documents.cmake)
