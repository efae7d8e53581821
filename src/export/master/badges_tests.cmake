# IDN, KST, FCD: unit tests in this process, over embedded databases built
# from SQL scripts and over the scripted backend for failure paths.
sstrxk_add_test(sstrxk_badges_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/idstamm_test.cc
          ${CMAKE_CURRENT_LIST_DIR}/kostenst_test.cc
          ${CMAKE_CURRENT_LIST_DIR}/funktionscodes_test.cc
          ${PROJECT_SOURCE_DIR}/src/db/fake_backend.cc
  LIBS sstrxk_export sstrxk_sqlscript)
target_compile_definitions(sstrxk_badges_tests PRIVATE SSTRXK_SAMPLE_DIR="${PROJECT_SOURCE_DIR}/sample")
