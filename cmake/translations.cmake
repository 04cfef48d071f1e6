# The program speaks Polish, its own language, and the languages of translations/brenvox_*.ts.
# `cmake --build build --target update_translations` (make translations) has Qt's lupdate collect
# every text of the core, the CLI and the program into those files, where new texts wait as
# unfinished for a translator (Qt Linguist, or by hand) and texts no longer used are dropped. The
# build itself only reads them: the core's catalogue (core/CMakeLists.txt) and the program's .qm
# files (gui/CMakeLists.txt).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(BRENVOX_LANGUAGES en)
set(BRENVOX_TS_FILES)
foreach(lang ${BRENVOX_LANGUAGES})
  list(APPEND BRENVOX_TS_FILES ${PROJECT_SOURCE_DIR}/translations/brenvox_${lang}.ts)
endforeach()

find_program(BRENVOX_LUPDATE NAMES lupdate lupdate-qt6 HINTS /usr/lib/qt6/bin ${QT_HOST_PATH}/lib/qt6/bin)
if(BRENVOX_LUPDATE)
  # Texts of the core and of the page (web/src) are marked BRENVOX_TEXT (i18n/translate.h); the
  # program's are tr() and its forms. No source locations: they would change the files at every
  # edit of the code.
  set(BRENVOX_LUPDATE_ARGS -silent -locations none -no-obsolete -source-language pl
      -tr-function-alias QT_TR_NOOP+=BRENVOX_TEXT core cli gui web/src/brenvox_web.cpp)
  add_custom_target(update_translations
    COMMAND ${BRENVOX_LUPDATE} ${BRENVOX_LUPDATE_ARGS} -ts ${BRENVOX_TS_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Collecting the texts into translations/"
    VERBATIM)
endif()
