# IDN, KST, FCD end to end: the built sstrxk over embedded databases.
sstrxk_add_test(sstrxk_e2e_badges_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/idn_e2e_test.cc
          ${CMAKE_CURRENT_LIST_DIR}/kst_e2e_test.cc
          ${CMAKE_CURRENT_LIST_DIR}/fcd_e2e_test.cc
  LIBS sstrxk_test_support)
target_compile_definitions(sstrxk_e2e_badges_tests PRIVATE SSTRXK_SAMPLE_DIR="${PROJECT_SOURCE_DIR}/sample")
