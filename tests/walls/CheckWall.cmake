# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Compiles a library's own header with that library's include folders (it must compile), then an
# include of a header the library must not see (it must fail, and for want of the file, not for
# anything else). -D: COMPILER, FLAGS (list), OWN, FORBIDDEN, WORK.
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
