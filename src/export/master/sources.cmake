# Personnel master-data exports and their cursor operations.
list(APPEND SSTRXK_EXPORT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../sql/mnd_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/mndstamm.cc)
