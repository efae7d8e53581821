# End-to-end tests of the master-data exports.
include(${CMAKE_CURRENT_LIST_DIR}/master_badges.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/master_absences.cmake)
