# find_package(Velmora): Velmora::components, the static archive with its include path and
# system libraries, Velmora::core, core.dll's import library, and velmora_add_manifest.
include(${CMAKE_CURRENT_LIST_DIR}/VelmoraTargets.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/VelmoraManifest.cmake)
