# Script mode: cmake -DROOT=<tree> -DFLOOR=<folder> -DUSES=<a;b> [-DQT=ON] -P check_floor.cmake
# Checks one floor's includes as the configuration does; fails with the faults it finds.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/floor_rules.cmake)
if(NOT DEFINED QT)
  set(QT OFF)
endif()
tarvolenka_floor_include_faults("${ROOT}" "${FLOOR}" "${FLOOR};${USES}" ${QT} faults)
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "The ${FLOOR} floor reaches past the floors it may use:\n  ${text}")
endif()
message(STATUS "The ${FLOOR} floor keeps to its floors")
