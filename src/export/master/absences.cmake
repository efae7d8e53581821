# The holiday file FTG and the employee status and detail files MST and MDT,
# with their cursor operations.
list(APPEND SSTRXK_EXPORT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../sql/ftg_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/../sql/mst_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/../sql/mdt_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/feiertage.cc
  ${CMAKE_CURRENT_LIST_DIR}/mitarbeiterstatus.cc
  ${CMAKE_CURRENT_LIST_DIR}/mitarbeiterdetail.cc)
