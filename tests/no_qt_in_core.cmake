# Fails when a file of the computing core includes a Qt header.
file(GLOB_RECURSE files ${DIR}/*.h ${DIR}/*.cpp)
foreach(f ${files})
  file(STRINGS ${f} hits REGEX "#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|qt|Qt)")
  if(hits)
    message(FATAL_ERROR "${f} includes Qt: ${hits}")
  endif()
endforeach()
