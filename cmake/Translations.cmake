# The game's texts in the player's language: one Qt Linguist file per language in translations/,
# compiled at build time into the windows' resources under ":/i18n". `make translations` (the
# target update_translations) reads the code again with lupdate and refreshes the files.
set(DUNEMARK_LANGUAGES de fr es it pt_BR nl pl sv tr ru)

set(DUNEMARK_TS_FILES)
foreach(language IN LISTS DUNEMARK_LANGUAGES)
    list(APPEND DUNEMARK_TS_FILES ${CMAKE_CURRENT_SOURCE_DIR}/translations/dunemark_${language}.ts)
endforeach()

# Every file that holds a text the player sees: the windows, and the rules' phrases and goods,
# which the core marks with DUNEMARK_NOOP for lupdate alone.
file(GLOB DUNEMARK_TEXT_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/core/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/core/*.h
     ${CMAKE_CURRENT_SOURCE_DIR}/forms/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/forms/*.h
     ${CMAKE_CURRENT_SOURCE_DIR}/widgets/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/widgets/*.h
     ${CMAKE_CURRENT_SOURCE_DIR}/screenreader/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/screenreader/*.h
     ${CMAKE_CURRENT_SOURCE_DIR}/ledger/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ledger/*.h
     ${CMAKE_CURRENT_SOURCE_DIR}/platform/qt/*.cpp)

qt_add_translations(dunemark_ui
    TS_FILES ${DUNEMARK_TS_FILES}
    SOURCES ${DUNEMARK_TEXT_SOURCES}
    RESOURCE_PREFIX /i18n
    LUPDATE_OPTIONS -no-obsolete -locations none -tr-function-alias QT_TRANSLATE_NOOP+=DUNEMARK_NOOP
)
