# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# The program folder keeps the executables together, as they find each other and their files
# there; the commands users type are links in bin/ into it. The links are relative, so a staged
# installation (DESTDIR) or a moved prefix keeps working.
set(orlo_links_code [[
  function(orlo_install_path out dir)
    if(NOT IS_ABSOLUTE "${dir}")
      set(dir "${CMAKE_INSTALL_PREFIX}/${dir}")
    endif()
    set(${out} "$ENV{DESTDIR}${dir}" PARENT_SCOPE)
    set(${out}_unstaged "${dir}" PARENT_SCOPE)
  endfunction()
  orlo_install_path(orlo_bin "@CMAKE_INSTALL_BINDIR@")
  orlo_install_path(orlo_program "@ORLO_INSTALL_DIR@")
  file(MAKE_DIRECTORY "${orlo_bin}")
  file(RELATIVE_PATH orlo_target "${orlo_bin}" "${orlo_program}")
  foreach(orlo_command orlo orlo-convert)
    message(STATUS "Installing: ${orlo_bin}/${orlo_command} -> ${orlo_target}/${orlo_command}")
    file(CREATE_LINK "${orlo_target}/${orlo_command}" "${orlo_bin}/${orlo_command}" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${orlo_bin_unstaged}/${orlo_command}")
  endforeach()
]])
string(CONFIGURE "${orlo_links_code}" orlo_links_code @ONLY)
install(CODE "${orlo_links_code}")
unset(orlo_links_code)
