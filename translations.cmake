# The English window: each folder of windows keeps its English translation
# beside its sources as <folder>_en.ts (brought up to date from the sources by
# scripts/translations.sh); the build compiles it into the folder's library as
# the resource ":/i18n/<folder>_en.qm", which the program loads when the
# locale is English.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

function(dbfview_add_translation target ts_file)
  qt_add_lrelease(${target} TS_FILES ${CMAKE_CURRENT_SOURCE_DIR}/${ts_file} QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${target} "${target}_translation" PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR}
                   FILES ${qm_files})
endfunction()
