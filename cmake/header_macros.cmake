# Writes OUTPUT, the sorted C++ string table of the macros that windows.h and the library's
# headers the generated C++ includes (designer/library_headers.inc) define, as COMPILER with
# FLAGS preprocesses them: a component named like one would not compile. Neither
# WIN32_LEAN_AND_MEAN nor NOMINMAX is set, nor is the language strict, as a user's build may
# have none of them, and names reserved to the compiler are left out (no component may take
# them anyway).
foreach(var COMPILER FLAGS SOURCE_DIR OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
file(READ ${SOURCE_DIR}/designer/library_headers.inc listed)
string(REGEX MATCHALL "\"[^\"]+\\.h\"" headers "${listed}")
set(probe "#include <windows.h>\n")
foreach(header ${headers})
  string(APPEND probe "#include ${header}\n")
endforeach()
file(WRITE ${OUTPUT}.cpp "${probe}")
separate_arguments(FLAGS UNIX_COMMAND "${FLAGS}")
execute_process(
  COMMAND ${COMPILER} ${FLAGS} -std=gnu++17 -dM -E -I${SOURCE_DIR}/core ${OUTPUT}.cpp
  RESULT_VARIABLE done OUTPUT_VARIABLE defined ERROR_VARIABLE errors)
if(NOT done EQUAL 0)
  message(FATAL_ERROR "The headers do not preprocess:\n${errors}")
endif()
string(REGEX MATCHALL "#define [A-Za-z_][A-Za-z0-9_]*" names "${defined}")
list(TRANSFORM names REPLACE "^#define " "")
list(FILTER names EXCLUDE REGEX "__|^_[A-Z]")
list(REMOVE_DUPLICATES names)
list(SORT names)
list(JOIN names "\",\n\"" table)
file(WRITE ${OUTPUT} "// Made by cmake/header_macros.cmake.\n\"${table}\",\n")
