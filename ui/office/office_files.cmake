# The office files without Qt: the text report and its file, the .xlsx and
# .docx writers, the office servers built on them and the exchange folder.
# The fuzz targets need them also when the windows are not built.
find_package(PkgConfig REQUIRED)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET GLOBAL xlsxwriter)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET GLOBAL libzip)

set(office_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(office_files STATIC
  ${office_dir}/cell_spool.cpp
  ${office_dir}/desktop_office.cpp
  ${office_dir}/docx_package.cpp
  ${office_dir}/docx_word_basic.cpp
  ${office_dir}/exchange_folder.cpp
  ${office_dir}/hand_over.cpp
  ${office_dir}/office_session.cpp
  ${office_dir}/report_checks.cpp
  ${office_dir}/report_file.cpp
  ${office_dir}/report_layout.cpp
  ${office_dir}/scratch_output.cpp
  ${office_dir}/spool_file.cpp
  ${office_dir}/page_text.cpp
  ${office_dir}/text_report.cpp
  ${office_dir}/word_hand_over.cpp
  ${office_dir}/work_steps.cpp
  ${office_dir}/xlsx_spreadsheet.cpp
  ${office_dir}/xlsx_workbook_file.cpp
)
target_include_directories(office_files PUBLIC ${office_dir})
# The platform folder gives the file launcher's interface (desktop_launcher.h) alone.
target_include_directories(office_files PUBLIC ${PROJECT_SOURCE_DIR}/ui/platform)
target_link_libraries(office_files PUBLIC table_core
  PRIVATE PkgConfig::XLSXWRITER PkgConfig::LIBZIP)

# CSV out of a table and a new table from CSV: the text format, code pages,
# field values and types; plain C++, so the fuzz targets and tools link it.
add_library(csv_files STATIC
  ${office_dir}/csv_code_page.cpp
  ${office_dir}/csv_fields.cpp
  ${office_dir}/csv_table.cpp
  ${office_dir}/csv_text.cpp
)
target_include_directories(csv_files PUBLIC ${office_dir})
target_link_libraries(csv_files PUBLIC table_core)
