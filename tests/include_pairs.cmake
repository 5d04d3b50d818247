# Fails when two units of src/ include each other, or two folders do.
#
# A unit is a header with the sources that implement it: `x.h`, `x.cpp`, and the
# sources without a header of their own named after it (`x_part.cpp`, the longest such
# name when several headers fit). Any other source is a unit by itself. Unit A includes
# unit B when any file of A includes any file of B; A and B include each other when each
# includes the other, e.g. when b.h includes a.h and a.cpp includes b.h, since then
# neither can be read, built or changed without the other.
#
# A folder includes another when one of its files includes one of the other's. The
# files directly in src/core, src/gui and src/cli belong to no folder here; the layer
# checks (layers.cmake) order them as units of their own.

# Pairs the main window's restructuring still has to part: TFormMain holds these helpers
# and they call back into it. Each is listed once, names in alphabetical order; a listed
# pair that no longer includes itself is a fault too, so the list only shrinks.
set(open_pairs
  "gui/shell/caption_editor gui/shell/form_main"
  "gui/shell/caption_editor gui/shell/window_options"
  "gui/shell/form_main gui/shell/main_actions"
  "gui/shell/form_main gui/shell/mouse_editor_window"
  "gui/shell/form_main gui/shell/parameter_panel"
  "gui/shell/form_main gui/shell/print_hooks"
  "gui/shell/form_main gui/shell/shell_commands"
  "gui/shell/form_main gui/shell/window_host"
  "gui/shell/form_main gui/shell/window_input"
  "gui/shell/form_main gui/shell/window_options")

file(GLOB_RECURSE files RELATIVE ${DIR} ${DIR}/*.h ${DIR}/*.cpp)
if(NOT files)
  message(FATAL_ERROR "include_pairs.cmake: no sources under DIR '${DIR}' (an absolute path)")
endif()
foreach(f ${files})
  if(f MATCHES "\\.h$")
    string(REGEX REPLACE "\\.h$" "" stem "${f}")
    set(header_${stem} TRUE)
  endif()
endforeach()

function(unit_of path result)
  string(REGEX REPLACE "\\.[^./]*$" "" stem "${path}")
  set(unit ${stem})
  set(candidate ${stem})
  while(NOT DEFINED header_${unit} AND candidate MATCHES "_[^_/]*$")
    string(REGEX REPLACE "_[^_/]*$" "" candidate "${candidate}")
    if(DEFINED header_${candidate})
      set(unit ${candidate})
    endif()
  endwhile()
  set(${result} ${unit} PARENT_SCOPE)
endfunction()

set(unit_edges "")
set(folder_edges "")
foreach(f ${files})
  unit_of(${f} from)
  get_filename_component(from_folder ${f} DIRECTORY)
  file(STRINGS ${DIR}/${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(core|gui|cli)/")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" target "${line}")
    unit_of(${target} to)
    if(NOT to STREQUAL from AND NOT DEFINED unit_edge_${from}+${to})
      set(unit_edge_${from}+${to} "${f} includes ${target}")
      list(APPEND unit_edges "${from}+${to}")
    endif()
    get_filename_component(to_folder ${target} DIRECTORY)
    if(from_folder MATCHES "/" AND to_folder MATCHES "/" AND NOT to_folder STREQUAL from_folder
       AND NOT DEFINED folder_edge_${from_folder}+${to_folder})
      set(folder_edge_${from_folder}+${to_folder} "${f} includes ${target}")
      list(APPEND folder_edges "${from_folder}+${to_folder}")
    endif()
  endforeach()
endforeach()

# Every pair of `kind` (unit or folder) whose two members include each other, as
# "a b" with a before b.
function(mutual_pairs kind result)
  set(pairs "")
  foreach(edge ${${kind}_edges})
    string(REPLACE "+" ";" ends "${edge}")
    list(GET ends 0 a)
    list(GET ends 1 b)
    if(a STRLESS b AND DEFINED ${kind}_edge_${b}+${a})
      list(APPEND pairs "${a} ${b}")
    endif()
  endforeach()
  set(${result} "${pairs}" PARENT_SCOPE)
endfunction()

set(faults "")
mutual_pairs(unit unit_pairs)
foreach(pair ${unit_pairs})
  list(FIND open_pairs "${pair}" open)
  if(open LESS 0)
    string(REPLACE " " ";" ends "${pair}")
    list(GET ends 0 a)
    list(GET ends 1 b)
    string(APPEND faults "\n  units ${a} and ${b}: ${unit_edge_${a}+${b}}; ${unit_edge_${b}+${a}}")
  endif()
endforeach()
foreach(pair ${open_pairs})
  list(FIND unit_pairs "${pair}" still)
  if(still LESS 0)
    string(APPEND faults "\n  ${pair} no longer include each other: drop them from open_pairs in tests/include_pairs.cmake")
  endif()
endforeach()
mutual_pairs(folder folder_pairs)
foreach(pair ${folder_pairs})
  string(REPLACE " " ";" ends "${pair}")
  list(GET ends 0 a)
  list(GET ends 1 b)
  string(APPEND faults "\n  folders ${a} and ${b}: ${folder_edge_${a}+${b}}; ${folder_edge_${b}+${a}}")
endforeach()
if(faults)
  message(FATAL_ERROR "Files include each other:${faults}")
endif()
