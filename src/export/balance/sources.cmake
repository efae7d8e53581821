# The balance file SALDO: the job, its record, number formats, mapping file,
# premium data, and its cursor operations (SSTRxkSQL).
list(APPEND SSTRXK_EXPORT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../sql/saldo_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/number_format.cc
  ${CMAKE_CURRENT_LIST_DIR}/text_mode_file.cc
  ${CMAKE_CURRENT_LIST_DIR}/saldo_mapping.cc
  ${CMAKE_CURRENT_LIST_DIR}/praemien.cc
  ${CMAKE_CURRENT_LIST_DIR}/saldo.cc)
