# The install tree, which is also the release archive's (scripts/package): core.dll and the
# designer in bin/, the import library, the static archive, the CMake package and velmora.pc in
# lib/, the headers in include/velmora/, and in share/ the toolchain files, the designer's
# example form and the README. Nothing in it names the build or source folder, so the archive
# works wherever it is unpacked.
install(TARGETS core components EXPORT VelmoraTargets
  RUNTIME DESTINATION bin LIBRARY DESTINATION lib ARCHIVE DESTINATION lib)
install(TARGETS designer RUNTIME DESTINATION bin)
install(DIRECTORY core/object core/controls core/containers core/designer
  DESTINATION include/velmora FILES_MATCHING PATTERN "*.h")

set(VELMORA_PACKAGE_DIR lib/cmake/Velmora)
install(EXPORT VelmoraTargets NAMESPACE Velmora:: DESTINATION ${VELMORA_PACKAGE_DIR})
include(CMakePackageConfigHelpers)
# find_package(Velmora 1.x) takes any 1.y from 1.x on; the generated file also refuses a
# package of the other architecture (pointer size).
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VelmoraConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES cmake/VelmoraConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/VelmoraConfigVersion.cmake
  cmake/VelmoraManifest.cmake core/resources/velmora.manifest core/resources/velmora_manifest.rc
  DESTINATION ${VELMORA_PACKAGE_DIR})

# For Makefiles: the static archive's flags, taken from its target, with paths relative to
# the .pc file's own folder.
configure_file(cmake/velmora.pc.in ${CMAKE_CURRENT_BINARY_DIR}/velmora.pc.in @ONLY)
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/velmora.pc
  INPUT ${CMAKE_CURRENT_BINARY_DIR}/velmora.pc.in)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/velmora.pc DESTINATION lib/pkgconfig)

# The toolchain file of this architecture, so a program builds from the installed files alone.
install(FILES cmake/mingw-common.cmake cmake/${MINGW_TRIPLE}.cmake
  DESTINATION share/velmora/toolchain)
install(FILES docs/designer-example.vform DESTINATION share/velmora)
install(FILES README.md DESTINATION share/doc/velmora)

# One ZIP per architecture, with one top folder named after it. The programs and the DLL are
# stripped; the static archive keeps its debug information for those who step into it.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Velmora)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_FILE_NAME Velmora-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_STRIP_FILES ON)
include(CPack)
