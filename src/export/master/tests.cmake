# Unit tests of the master-data exports and the shared SQL helpers.
sstrxk_add_test(sstrxk_master_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/../sql/schema_statement_test.cc
  LIBS sstrxk_export)
include(${CMAKE_CURRENT_LIST_DIR}/badges_tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/absences_tests.cmake)
