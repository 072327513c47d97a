# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Installs the assets alone into a fresh prefix and checks that every file lands where the
# program and the desktop look for it, and nothing else comes along.
# Arguments: -DBUILD_DIR=<build tree> -DPREFIX=<scratch prefix> -DPROGRAM_DIR=<program folder below the prefix>
#            [-DAPPSTREAMCLI=<path>] to also let appstreamcli check the installed tree as a whole.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" --component orlo_data
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE out
  ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "Installing the assets failed:\n${out}")
endif()

set(expected
  "${PROGRAM_DIR}/Orlohelp.hlp"
  "${PROGRAM_DIR}/ORL_USER.DAT"
  share/applications/org.orlo.Converter.desktop
  share/metainfo/org.orlo.Converter.metainfo.xml
  share/icons/hicolor/scalable/apps/org.orlo.Converter.svg
  share/man/man1/orlo.1
  share/man/man1/orlo-convert.1
  share/dbus-1/services/org.orlo.Converter.SearchProvider.service
  share/gnome-shell/search-providers/org.orlo.Converter.search-provider.ini
  share/krunner/dbusplugins/org.orlo.Converter.desktop)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected "share/icons/hicolor/${size}x${size}/apps/org.orlo.Converter.png")
endforeach()

file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
set(missing ${expected})
list(REMOVE_ITEM missing ${installed})
set(unexpected ${installed})
list(REMOVE_ITEM unexpected ${expected})
if(missing OR unexpected)
  list(JOIN missing "\n  " missing_text)
  list(JOIN unexpected "\n  " unexpected_text)
  message(FATAL_ERROR "Installed tree under ${PREFIX} is wrong.\nMissing:\n  ${missing_text}\nUnexpected:\n  ${unexpected_text}")
endif()

file(READ "${PREFIX}/share/dbus-1/services/org.orlo.Converter.SearchProvider.service" service)
if(NOT service MATCHES "\nExec=${PREFIX}/${PROGRAM_DIR}/orlo-search-provider\n")
  message(FATAL_ERROR "The search provider's service file names the wrong program:\n${service}")
endif()

file(SIZE "${PREFIX}/${PROGRAM_DIR}/ORL_USER.DAT" dat_size)
if(NOT dat_size EQUAL 0)
  message(FATAL_ERROR "The installed ORL_USER.DAT is not empty")
endif()
# Installing again over custom quantities the user keeps there leaves them as they are.
file(WRITE "${PREFIX}/${PROGRAM_DIR}/ORL_USER.DAT" "the user's own")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" --component orlo_data
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
file(READ "${PREFIX}/${PROGRAM_DIR}/ORL_USER.DAT" dat_after)
if(NOT rc EQUAL 0 OR NOT dat_after STREQUAL "the user's own")
  message(FATAL_ERROR "Installing again replaced the user's ORL_USER.DAT (now \"${dat_after}\")")
endif()
file(SIZE "${BUILD_DIR}/bin/ORL_USER.DAT" built_dat_size)
if(NOT built_dat_size EQUAL 0)
  message(FATAL_ERROR "The build tree's ORL_USER.DAT is not empty")
endif()

file(READ "${BUILD_DIR}/bin/Orlohelp.hlp" built_help)
file(READ "${PREFIX}/${PROGRAM_DIR}/Orlohelp.hlp" installed_help)
if(NOT built_help STREQUAL installed_help)
  message(FATAL_ERROR "The installed Orlohelp.hlp differs from the one next to the built executables")
endif()

if(APPSTREAMCLI)
  # Checks what a software centre sees: the metainfo, the desktop entry it launches and the icon,
  # found together in the installed tree.
  execute_process(
    COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${PREFIX}"
    RESULT_VARIABLE rc
    OUTPUT_VARIABLE out
    ERROR_VARIABLE out)
  string(REGEX MATCHALL "(^|\n) *[EWI]: [^\n]*" findings "${out}")
  if(NOT rc EQUAL 0 OR findings)
    message(FATAL_ERROR "appstreamcli validate-tree found problems:\n${out}")
  endif()
endif()
message(STATUS "Assets installed correctly under ${PREFIX}")
