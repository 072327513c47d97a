# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# The empty custom quantity file that comes with the program, so a first start has nothing to complain
# about. Made only where there is none: a file there may hold the user's own custom quantities (an
# installation for one user keeps them beside the program), and nothing may replace it.
# Usage: cmake -DFILE=<path> -P EmptyUserFile.cmake
if(NOT EXISTS "${FILE}" AND NOT IS_SYMLINK "${FILE}")
  get_filename_component(orlo_dir "${FILE}" DIRECTORY)
  file(MAKE_DIRECTORY "${orlo_dir}")
  file(WRITE "${FILE}" "")
endif()
