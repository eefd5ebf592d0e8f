# find_package(Velmora): the library's targets and velmora_add_manifest.
include(${CMAKE_CURRENT_LIST_DIR}/VelmoraTargets.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/VelmoraManifest.cmake)
