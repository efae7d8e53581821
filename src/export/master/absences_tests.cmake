# Unit tests of the holiday and employee files: recodings, record layouts,
# the dictionary lookup and the month window on small embedded databases
# built from the sample's table definitions.
sstrxk_add_test(sstrxk_absences_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/feiertage_test.cc
          ${CMAKE_CURRENT_LIST_DIR}/mitarbeiterstatus_test.cc
          ${CMAKE_CURRENT_LIST_DIR}/mitarbeiterdetail_test.cc
          ${CMAKE_CURRENT_LIST_DIR}/../sql/absences_sql_test.cc
  LIBS sstrxk_export sstrxk_sqlscript)
target_compile_definitions(sstrxk_absences_tests PRIVATE SSTRXK_SAMPLE_DIR="${PROJECT_SOURCE_DIR}/sample")
