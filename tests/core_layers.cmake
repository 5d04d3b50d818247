# Fails when a file of the computing core includes a file of a layer above its own.
#
# The layers of src/core, bottom-up. A unit is a folder of src/core, or a file directly
# in it (by its name without extension). A file may include files of its own unit and
# of the units of lower layers. Units that share a layer do not include each other:
# numtext, host, file_io, expression and ordered_work, simulation and analysis, and the front-end
# helpers are independent of one another.
set(layers
  "errors"
  "real48"
  "numtext host file_io expression ordered_work"
  "model"
  "blocks"
  "simulation analysis"
  "workbench"
  "editor graphs grid print shell")
# Files directly in src/core that belong to another file's unit.
set(unit_of_scripted_host host)
set(unit_of_process_table file_io)

set(rank 0)
foreach(layer ${layers})
  string(REPLACE " " ";" units "${layer}")
  foreach(unit ${units})
    set(rank_of_${unit} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# The unit of a path relative to src/core, e.g. "model/scheme.h" -> model.
function(unit_of path result)
  if(path MATCHES "^([^/]+)/")
    set(unit ${CMAKE_MATCH_1})
  else()
    string(REGEX REPLACE "\\.[^.]*$" "" unit "${path}")
    if(DEFINED unit_of_${unit})
      set(unit ${unit_of_${unit}})
    endif()
  endif()
  set(${result} ${unit} PARENT_SCOPE)
endfunction()

set(faults "")
file(GLOB_RECURSE files RELATIVE ${DIR} ${DIR}/*.h ${DIR}/*.cpp)
foreach(f ${files})
  unit_of(${f} unit)
  if(NOT DEFINED rank_of_${unit})
    string(APPEND faults "\n  ${f}: unit '${unit}' is in no layer (add it to tests/core_layers.cmake)")
    continue()
  endif()
  file(STRINGS ${DIR}/${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"core/")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"core/([^\"]*)\".*$" "\\1" target "${line}")
    unit_of(${target} to)
    if(to STREQUAL unit)
      continue()
    endif()
    if(NOT DEFINED rank_of_${to})
      string(APPEND faults "\n  ${f} includes core/${target}: unit '${to}' is in no layer")
    elseif(NOT rank_of_${to} LESS rank_of_${unit})
      string(APPEND faults "\n  ${f} (${unit}) includes core/${target} (${to}), which is not below it")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "The core's layers are broken:${faults}")
endif()
