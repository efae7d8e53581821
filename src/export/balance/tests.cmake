# Unit tests of the balance file: number formats, file readers, record, and
# the job over a scripted database.
sstrxk_add_test(sstrxk_balance_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/number_format_test.cc
    ${CMAKE_CURRENT_LIST_DIR}/text_mode_file_test.cc
    ${CMAKE_CURRENT_LIST_DIR}/saldo_mapping_test.cc
    ${CMAKE_CURRENT_LIST_DIR}/praemien_test.cc
    ${CMAKE_CURRENT_LIST_DIR}/saldo_test.cc
    ${PROJECT_SOURCE_DIR}/src/db/fake_backend.cc
  LIBS sstrxk_export)
