# Fails when a file of src/${TREE} (core or gui) includes a file of that tree from a
# layer above its own.
#
# A unit is a folder of the tree, or a file directly in it (by its name without
# extension). A file may include files of its own unit and of the units of lower
# layers; units that share a layer do not include each other. The GUI may include any
# file of the core, which lies below all of it.
if(TREE STREQUAL "core")
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
elseif(TREE STREQUAL "gui")
  # The helpers every window uses; the questions the viewer and its small windows ask;
  # the windows that open no other window folder; the graph viewer and the parameter
  # grid, which print and show texts; the main window that opens them all; the program.
  set(layers
    "message_box qt_text"
    "viewer_dialogs"
    "analysis comments editor print"
    "graphs grid"
    "shell"
    "main")
else()
  message(FATAL_ERROR "layers.cmake: TREE is core or gui")
endif()

set(rank 0)
foreach(layer ${layers})
  string(REPLACE " " ";" units "${layer}")
  foreach(unit ${units})
    set(rank_of_${unit} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# The unit of a path relative to the tree, e.g. "model/scheme.h" -> model.
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

set(dir ${DIR}/${TREE})
set(faults "")
file(GLOB_RECURSE files RELATIVE ${dir} ${dir}/*.h ${dir}/*.cpp)
if(NOT files)
  message(FATAL_ERROR "layers.cmake: no sources under '${dir}' (DIR is an absolute path)")
endif()
foreach(f ${files})
  unit_of(${f} unit)
  if(NOT DEFINED rank_of_${unit})
    string(APPEND faults "\n  ${f}: unit '${unit}' is in no layer (add it to tests/layers.cmake)")
    continue()
  endif()
  file(STRINGS ${dir}/${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"${TREE}/")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"${TREE}/([^\"]*)\".*$" "\\1" target "${line}")
    unit_of(${target} to)
    if(to STREQUAL unit)
      continue()
    endif()
    if(NOT DEFINED rank_of_${to})
      string(APPEND faults "\n  ${f} includes ${TREE}/${target}: unit '${to}' is in no layer")
    elseif(NOT rank_of_${to} LESS rank_of_${unit})
      string(APPEND faults "\n  ${f} (${unit}) includes ${TREE}/${target} (${to}), which is not below it")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "The layers of src/${TREE} are broken:${faults}")
endif()
