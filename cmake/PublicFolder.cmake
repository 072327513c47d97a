# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Each library exports only its own folder, under the name its includes use ("core/Convert.h"). A
# folder of the build tree holds a single link to the library's sources, so an include of another
# layer's header compiles only where the library links that layer: an upward include fails.
# The folder is the current source folder, or the one given after the name.
function(orlo_public_folder target name)
  set(source ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARGC GREATER 2)
    set(source ${ARGV2})
  endif()
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  cmake_path(GET name PARENT_PATH parent)
  file(MAKE_DIRECTORY ${root}/${parent})
  file(CREATE_LINK ${source} ${root}/${name} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
  else()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endif()
endfunction()
