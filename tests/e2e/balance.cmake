# End-to-end tests of the balance file SLD: the built sstrxk over embedded
# databases, with mapping and premium files in the installation tree.
sstrxk_add_test(sstrxk_e2e_balance_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/saldo_e2e_test.cc
  LIBS sstrxk_test_support)
target_compile_definitions(sstrxk_e2e_balance_tests PRIVATE SSTRXK_SAMPLE_DIR="${PROJECT_SOURCE_DIR}/sample")
