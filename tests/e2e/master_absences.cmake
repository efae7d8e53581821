# The holiday file FTG and the employee status and detail files MST and MDT
# end to end.
sstrxk_add_test(sstrxk_e2e_absences_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ftg_e2e_test.cc
          ${CMAKE_CURRENT_LIST_DIR}/mst_e2e_test.cc
          ${CMAKE_CURRENT_LIST_DIR}/mdt_e2e_test.cc
  LIBS sstrxk_test_support)
target_compile_definitions(sstrxk_e2e_absences_tests PRIVATE SSTRXK_SAMPLE_DIR="${PROJECT_SOURCE_DIR}/sample")
