# Runs the test-scheme generator into a fresh folder and compares what it writes with
# the shipped data/Tests byte for byte, both ways: the shipped schemes can never drift
# from their drawings. The description files (*.dts) are written by hand.
#   cmake -DGENERATOR=... -DSHIPPED=... -DOUT=... -P test_schemes_match.cmake
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${GENERATOR}" "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make-test-schemes failed: ${result}")
endif()

file(GLOB generated RELATIVE "${OUT}" "${OUT}/*")
file(GLOB shipped RELATIVE "${SHIPPED}" "${SHIPPED}/*")
list(FILTER shipped EXCLUDE REGEX "\\.dts$")
set(faults "")
foreach(name IN LISTS generated)
  if(NOT EXISTS "${SHIPPED}/${name}")
    string(APPEND faults "\n  not shipped: ${name}")
    continue()
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/${name}" "${SHIPPED}/${name}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    string(APPEND faults "\n  differs from the generator: ${name}")
  endif()
endforeach()
foreach(name IN LISTS shipped)
  if(NOT EXISTS "${OUT}/${name}")
    string(APPEND faults "\n  not generated: ${name}")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "data/Tests does not match make-test-schemes:${faults}\n"
                      "Regenerate with: make-test-schemes data/Tests")
endif()
