# Terminal access-control exports (20P, 35P, 41P, BKL) and the selective
# export by download key, with their cursor operations.
list(APPEND SSTRXK_EXPORT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../sql/s20p_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/../sql/s35p_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/../sql/s41p_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/../sql/aswbkl_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/../sql/selektiv_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/selective_file.cc
  ${CMAKE_CURRENT_LIST_DIR}/mgsst20p.cc
  ${CMAKE_CURRENT_LIST_DIR}/mgsst35p.cc
  ${CMAKE_CURRENT_LIST_DIR}/mgsst41p.cc
  ${CMAKE_CURRENT_LIST_DIR}/aswbkl.cc
  ${CMAKE_CURRENT_LIST_DIR}/selektiv.cc)
