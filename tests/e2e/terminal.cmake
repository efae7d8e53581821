# End-to-end tests of the terminal exports (20P, 35P, 41P, BKL) and of the
# selective export by download key.
sstrxk_add_test(sstrxk_e2e_terminal_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/terminal_e2e_test.cc ${CMAKE_CURRENT_LIST_DIR}/selective_e2e_test.cc
  LIBS sstrxk_test_support)
target_compile_definitions(sstrxk_e2e_terminal_tests PRIVATE SSTRXK_SAMPLE_DIR="${PROJECT_SOURCE_DIR}/sample")
