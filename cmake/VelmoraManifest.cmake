# velmora_add_manifest(TARGET [DPI_AWARE]): compiles the library's application manifest into the
# program TARGET, which then runs with UTF-8 as its ANSI code page and the version 6 common
# controls; with DPI_AWARE it also declares itself DPI-aware, and its forms scale.
# Only a program's manifest sets them, so TARGET must be an executable.

# Installed, the files lie beside this one; in the source tree, in core/resources.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/velmora.manifest)
  set(VELMORA_MANIFEST_DIR ${CMAKE_CURRENT_LIST_DIR})
else()
  set(VELMORA_MANIFEST_DIR ${CMAKE_CURRENT_LIST_DIR}/../core/resources)
endif()
cmake_path(NORMAL_PATH VELMORA_MANIFEST_DIR)

function(velmora_add_manifest target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "DPI_AWARE" "" "")
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "EXECUTABLE")
    message(FATAL_ERROR "velmora_add_manifest(${target}): only a program's manifest sets the "
      "code page and the common controls, and ${target} is a ${type}")
  endif()
  set(rc ${VELMORA_MANIFEST_DIR}/velmora_manifest.rc)
  set(manifest ${VELMORA_MANIFEST_DIR}/velmora.manifest)
  if(ARG_DPI_AWARE)
    # The same manifest declaring per-monitor awareness: the library then scales the
    # program's forms to their screen's pixels per inch.
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/velmora_dpi_aware_manifest)
    file(READ ${manifest} text)
    string(REPLACE "    </windowsSettings>" "      <dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>
      <dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2</dpiAwareness>
    </windowsSettings>" text "${text}")
    file(CONFIGURE OUTPUT ${dir}/velmora.manifest CONTENT "${text}" @ONLY)
    file(COPY ${rc} DESTINATION ${dir})
    set(manifest ${dir}/velmora.manifest)
    set(rc ${dir}/velmora_manifest.rc)
  endif()
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS ${manifest})
endfunction()
