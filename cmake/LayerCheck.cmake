# Fails when a source file includes a folder above its own. The order is read
# from the README, so the check and the words people read are one text: the
# line "    layers: <lowest> ... <highest>" orders the top folders, the line
# "    framework: <lowest> ... <highest>" the framework's folders. A folder may
# include its own and the ones listed before it; the folders that are no
# layer (tests, bench, tools, fuzz) may not be included by any layer.
#
#   cmake -DROOT=<source tree> -P LayerCheck.cmake

if(NOT ROOT)
  message(FATAL_ERROR "LayerCheck: give -DROOT=<source tree>")
endif()

function(read_order var label)
  file(STRINGS ${ROOT}/README.md lines REGEX "^    ${label}: ")
  list(LENGTH lines count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "LayerCheck: README.md needs exactly one line \"    ${label}: ...\" (found ${count})")
  endif()
  string(REGEX REPLACE "^    ${label}: " "" text "${lines}")
  string(REGEX REPLACE " +" ";" order "${text}")
  set(${var} ${order} PARENT_SCOPE)
endfunction()

read_order(layers layers)
read_order(framework_layers framework)
set(not_layers tests bench tools fuzz)

# rank(<var> <folder> <order...>): the folder's place in the order, or -1.
function(rank var folder)
  list(FIND ARGN ${folder} index)
  set(${var} ${index} PARENT_SCOPE)
endfunction()

set(faults "")
foreach(layer IN LISTS layers)
  if(NOT IS_DIRECTORY ${ROOT}/${layer})
    continue()
  endif()
  rank(own ${layer} ${layers})
  file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp ${ROOT}/${layer}/*.c)
  foreach(source IN LISTS sources)
    set(own_sub -1)
    if(layer STREQUAL "framework" AND source MATCHES "^framework/([^/]+)/")
      rank(own_sub ${CMAKE_MATCH_1} ${framework_layers})
      if(own_sub EQUAL -1)
        string(APPEND faults "  ${source}: framework/${CMAKE_MATCH_1} is not in the framework's order\n")
      endif()
    endif()
    file(STRINGS ${ROOT}/${source} includes REGEX "^#include \"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" target "${line}")
      if(NOT target MATCHES "^([^/]+)/")
        continue()
      endif()
      set(top ${CMAKE_MATCH_1})
      list(FIND not_layers ${top} outside)
      rank(theirs ${top} ${layers})
      if(NOT outside EQUAL -1 OR theirs GREATER own)
        string(APPEND faults "  ${source} includes ${target}: ${top} is above ${layer}\n")
      elseif(own_sub GREATER -1 AND target MATCHES "^framework/([^/]+)/")
        set(their_folder framework/${CMAKE_MATCH_1})
        rank(their_sub ${CMAKE_MATCH_1} ${framework_layers})
        if(their_sub GREATER own_sub OR their_sub EQUAL -1)
          string(REGEX MATCH "^framework/[^/]+" own_folder "${source}")
          string(APPEND faults "  ${source} includes ${target}: ${their_folder} is above ${own_folder}\n")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that point up the layers:\n${faults}")
endif()
message(STATUS "LayerCheck: every include points down (layers: ${layers}; framework: ${framework_layers})")
