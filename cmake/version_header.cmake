# Writes velmar-cli's version header: VERSION, and the description git gives the
# checkout at SOURCE (empty when the sources are no checkout or git is missing).
find_package(Git QUIET)
set(DESCRIPTION "")
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} describe --always --dirty --tags
                  WORKING_DIRECTORY ${SOURCE} RESULT_VARIABLE failed
                  OUTPUT_VARIABLE DESCRIPTION OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(failed)
    set(DESCRIPTION "")
  endif()
endif()
configure_file(${SOURCE}/src/cli/version.h.in ${OUT} @ONLY)
