# velmora_add_manifest(TARGET): compiles the library's application manifest into the program
# TARGET, which then runs with UTF-8 as its ANSI code page and the version 6 common controls.
# Only a program's manifest sets them, so TARGET must be an executable.

# Installed, the files lie beside this one; in the source tree, in core/resources.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/velmora.manifest)
  set(VELMORA_MANIFEST_DIR ${CMAKE_CURRENT_LIST_DIR})
else()
  set(VELMORA_MANIFEST_DIR ${CMAKE_CURRENT_LIST_DIR}/../core/resources)
endif()
cmake_path(NORMAL_PATH VELMORA_MANIFEST_DIR)

function(velmora_add_manifest target)
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "EXECUTABLE")
    message(FATAL_ERROR "velmora_add_manifest(${target}): only a program's manifest sets the "
      "code page and the common controls, and ${target} is a ${type}")
  endif()
  set(rc ${VELMORA_MANIFEST_DIR}/velmora_manifest.rc)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS
    ${VELMORA_MANIFEST_DIR}/velmora.manifest)
endfunction()
