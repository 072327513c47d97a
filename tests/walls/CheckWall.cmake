# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Compiles a library's own header with that library's include folders (it must compile), then an
# include of a header the library must not see (it must fail, and for want of the file, not for
# anything else), after making sure the forbidden header exists: it must compile with the flags of a
# target that may use it. -D: COMPILER, FLAGS (list), REACH (list), OWN, FORBIDDEN, WORK.
string(MAKE_C_IDENTIFIER "${FORBIDDEN}" reach_id)
set(reach_file ${WORK}/reach_${reach_id}.cpp)
file(WRITE ${reach_file} "#include <${FORBIDDEN}>\n")
execute_process(COMMAND ${COMPILER} -std=c++20 -fPIC -fsyntax-only ${REACH} ${reach_file}
  RESULT_VARIABLE reach_status ERROR_VARIABLE reach_errors OUTPUT_QUIET)
if(NOT reach_status EQUAL 0)
  message(FATAL_ERROR "${FORBIDDEN} does not compile even for the program, so this wall proves nothing:\n${reach_errors}")
endif()
foreach(probe own forbidden)
  if(probe STREQUAL "own")
    set(header ${OWN})
  else()
    set(header ${FORBIDDEN})
  endif()
  string(MAKE_C_IDENTIFIER "${header}" id)
  set(file ${WORK}/${id}.cpp)
  file(WRITE ${file} "#include <${header}>\n")
  execute_process(COMMAND ${COMPILER} -std=c++20 -fPIC -fsyntax-only ${FLAGS} ${file}
    RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
  if(probe STREQUAL "own" AND NOT status EQUAL 0)
    message(FATAL_ERROR "${OWN} does not compile on its own include path:\n${errors}")
  endif()
endforeach()
if(status EQUAL 0)
  message(FATAL_ERROR "${FORBIDDEN} was found: the wall is open")
endif()
string(FIND "${errors}" "${FORBIDDEN}" at)
if(at EQUAL -1 OR NOT errors MATCHES "No such file|file not found")
  message(FATAL_ERROR "${FORBIDDEN} failed for another reason:\n${errors}")
endif()
message(STATUS "${FORBIDDEN} is out of reach")
