# Unit tests of the terminal exports and the selective export, in-process
# against copies of the sample database with the terminal test data. The
# binary has its own operator new (allocation_failure_for_test.cc).
sstrxk_add_test(sstrxk_terminal_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/allocation_failure_for_test.cc
    ${CMAKE_CURRENT_LIST_DIR}/fault_backend_for_test.cc
    ${CMAKE_CURRENT_LIST_DIR}/terminal_test_fixture.cc
    ${CMAKE_CURRENT_LIST_DIR}/mgsst20p_test.cc
    ${CMAKE_CURRENT_LIST_DIR}/mgsst35p_test.cc
    ${CMAKE_CURRENT_LIST_DIR}/mgsst41p_test.cc
    ${CMAKE_CURRENT_LIST_DIR}/aswbkl_test.cc
    ${CMAKE_CURRENT_LIST_DIR}/selektiv_test.cc
  LIBS sstrxk_export sstrxk_sqlscript)
target_compile_definitions(sstrxk_terminal_tests PRIVATE SSTRXK_SAMPLE_DIR="${PROJECT_SOURCE_DIR}/sample")
