# Shared part of the two MinGW-w64 toolchain files; MINGW_TRIPLE names the target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
# Never pick up host programs' libraries or headers.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Except the prefixes named for Windows packages (an installed Velmora) in CMAKE_PREFIX_PATH or
# Velmora_ROOT, on the command line or in the environment: CMake puts every search path under
# a root first, so each of them is made a root of its own, searched as it is.
foreach(named IN ITEMS "${CMAKE_PREFIX_PATH}" "${Velmora_ROOT}" "$ENV{CMAKE_PREFIX_PATH}"
    "$ENV{Velmora_ROOT}")
  cmake_path(CONVERT "${named}" TO_CMAKE_PATH_LIST prefixes)
  list(APPEND CMAKE_FIND_ROOT_PATH ${prefixes})
endforeach()
# Static runtime: the programs and core.dll need no MinGW DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
