# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# The search provider's files. The bus's service file names the provider by its absolute path, so it
# is written at install time, when the prefix (`cmake --install --prefix`) is known.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.orlo.Converter.search-provider.ini
        DESTINATION ${CMAKE_INSTALL_DATADIR}/gnome-shell/search-providers COMPONENT orlo_data)
configure_file(${CMAKE_CURRENT_LIST_DIR}/org.orlo.Converter.krunner.desktop
               ${CMAKE_CURRENT_BINARY_DIR}/org.orlo.Converter.krunner.desktop @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.orlo.Converter.krunner.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/krunner/dbusplugins RENAME org.orlo.Converter.desktop COMPONENT orlo_data)

set(orlo_service_code [[
  set(orlo_services "@CMAKE_INSTALL_DATADIR@/dbus-1/services")
  if(NOT IS_ABSOLUTE "${orlo_services}")
    set(orlo_services "${CMAKE_INSTALL_PREFIX}/${orlo_services}")
  endif()
  set(orlo_program "@ORLO_INSTALL_DIR@")
  if(NOT IS_ABSOLUTE "${orlo_program}")
    set(orlo_program "${CMAKE_INSTALL_PREFIX}/${orlo_program}")
  endif()
  set(orlo_file "${orlo_services}/org.orlo.Converter.SearchProvider.service")
  message(STATUS "Installing: $ENV{DESTDIR}${orlo_file}")
  file(WRITE "$ENV{DESTDIR}${orlo_file}"
    "[D-BUS Service]\nName=org.orlo.Converter.SearchProvider\nExec=${orlo_program}/orlo-search-provider\n")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${orlo_file}")
]])
string(CONFIGURE "${orlo_service_code}" orlo_service_code @ONLY)
install(CODE "${orlo_service_code}" COMPONENT orlo_data)
unset(orlo_service_code)
