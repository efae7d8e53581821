# Personnel master-data exports and their cursor operations. The badge and
# cost-centre files list theirs in badges.cmake, the calendar and absence
# files in absences.cmake.
list(APPEND SSTRXK_EXPORT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../sql/schema_statement.cc
  ${CMAKE_CURRENT_LIST_DIR}/../sql/mnd_sql.cc
  ${CMAKE_CURRENT_LIST_DIR}/mndstamm.cc)
include(${CMAKE_CURRENT_LIST_DIR}/badges.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/absences.cmake)
