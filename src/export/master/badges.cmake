# IDN, KST, FCD: the badge master file with its selective writer, the
# cost-centre file and the function-code file, and their cursor operations.
list(APPEND SSTRXK_EXPORT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../sql/idn_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/../sql/kst_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/../sql/fcd_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/idstamm.cc
  ${CMAKE_CURRENT_LIST_DIR}/kostenst.cc
  ${CMAKE_CURRENT_LIST_DIR}/funktionscodes.cc)
