# x86_64 with clang instead of gcc: the same MinGW-w64 headers, import libraries and windres,
# and the posix-thread libstdc++ that x86_64-w64-mingw32-g++-posix uses; lld links (below).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${MINGW_TRIPLE})
# Clang does not take a folder named "12-posix" for a gcc version, so it finds neither the gcc
# libraries nor libstdc++'s headers by itself: ask the posix gcc where they are.
execute_process(COMMAND ${MINGW_TRIPLE}-g++-posix -print-libgcc-file-name
  OUTPUT_VARIABLE MINGW_GCC_LIBGCC OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(MINGW_GCC_DIR ${MINGW_GCC_LIBGCC} DIRECTORY)
# The sysroot keeps the host's /usr/include out of the search, which clang would add otherwise.
set(MINGW_CLANG_FLAGS "--sysroot=/usr/${MINGW_TRIPLE}")
foreach(dir include/c++ include/c++/${MINGW_TRIPLE} include/c++/backward)
  string(APPEND MINGW_CLANG_FLAGS " -stdlib++-isystem ${MINGW_GCC_DIR}/${dir}")
endforeach()
# What gcc predefines for this target and clang 14 does not: libstdc++ was built with
# type_info's equality out of line, and an inline copy of it would clash with the library's.
string(APPEND MINGW_CLANG_FLAGS
  " -D__GXX_MERGED_TYPEINFO_NAMES=0 -D__GXX_TYPEINFO_EQUALITY_INLINE=0")
set(CMAKE_C_FLAGS_INIT "--sysroot=/usr/${MINGW_TRIPLE}")
set(CMAKE_CXX_FLAGS_INIT "${MINGW_CLANG_FLAGS}")
# -B finds gcc's crtbegin.o and crtend.o, -L its libraries; winpthreads is linked as the posix
# gcc links it, for libgcc's thread-local emulation. lld, because GNU ld warns of every
# libstdc++ type_info that clang emits too: gcc pads its copy and marks it "same size", clang
# marks its own "any", and lld, unlike GNU ld, takes the two as the same.
set(MINGW_CLANG_LINK_FLAGS "-fuse-ld=lld -B${MINGW_GCC_DIR} -L${MINGW_GCC_DIR} -pthread")
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " ${MINGW_CLANG_LINK_FLAGS}")
string(APPEND CMAKE_SHARED_LINKER_FLAGS_INIT " ${MINGW_CLANG_LINK_FLAGS}")
