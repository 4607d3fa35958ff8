# The floors of the game, from the ground up: catalogue, core, bonus and double and history,
# game, qt, program; the simulator (tools/sim) stands on the rules' floors beside the game. A
# floor's sources include headers by their path from the project root, and only from their own
# folder and the floors below that they use; the logic floors include no Qt header. Usable from
# a CMakeLists and in script mode (see check_floor.cmake).

# Appends to `out_var` one line per include in `root`/`floor` that breaks the rules. `floor` is
# a folder, which may lie deeper than the root (tools/sim); its own headers are always allowed.
function(tarvolenka_floor_include_faults root floor allowed qt_allowed out_var)
  set(faults "")
  file(GLOB_RECURSE sources "${root}/${floor}/*.h" "${root}/${floor}/*.cpp")
  foreach(file IN LISTS sources)
    file(RELATIVE_PATH shown "${root}" "${file}")
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(line MATCHES "#[ \t]*include[ \t]*\"${floor}/")
        # its own folder
      elseif(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
        if(NOT CMAKE_MATCH_1 IN_LIST allowed)
          list(APPEND faults "${shown}: ${line} reaches the ${CMAKE_MATCH_1} floor")
        endif()
      elseif(line MATCHES "#[ \t]*include[ \t]*\"")
        list(APPEND faults "${shown}: ${line} names no floor; write the path from the root")
      elseif(NOT qt_allowed AND line MATCHES "#[ \t]*include[ \t]*<Q")
        list(APPEND faults "${shown}: ${line} is a Qt header in a logic floor")
      endif()
    endforeach()
  endforeach()
  set(${out_var} "${faults}" PARENT_SCOPE)
endfunction()

# Declares library tarvolenka_<floor> a floor that may use the floors listed after USES, and
# stops the configuration when its sources or its links reach any other. QT lets it use Qt;
# FOLDER names its sources' folder when that is not <floor> (a tool's, such as tools/sim).
function(tarvolenka_floor floor)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "FOLDER" "USES")
  if(NOT arg_FOLDER)
    set(arg_FOLDER ${floor})
  endif()
  set(allowed ${floor} ${arg_USES})
  tarvolenka_floor_include_faults("${PROJECT_SOURCE_DIR}" ${arg_FOLDER} "${allowed}" ${arg_QT}
                                  faults)
  get_target_property(links tarvolenka_${floor} LINK_LIBRARIES)
  foreach(lib IN LISTS links)
    if(lib MATCHES "^tarvolenka_(.+)$" AND NOT CMAKE_MATCH_1 STREQUAL "warnings"
       AND NOT CMAKE_MATCH_1 IN_LIST allowed)
      list(APPEND faults "tarvolenka_${floor} links to ${lib}, a floor it may not use")
    elseif(NOT arg_QT AND lib MATCHES "^Qt")
      list(APPEND faults "tarvolenka_${floor} links to ${lib} in a logic floor")
    endif()
  endforeach()
  if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "The ${floor} floor reaches past the floors it may use:\n  ${text}")
  endif()
endfunction()
