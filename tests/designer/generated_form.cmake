# Compiles the C++ the designer test generated (DesignedForm.h and .cpp in GENERATED) with
# the project's compiler against the components library, warnings as errors, runs it through
# RUNNER and compares the windows it shows with expected.txt, which the designer test wrote
# from the designed form.
foreach(var COMPILER GENERATED SOURCE_DIR COMPONENTS LOADER PREFIX)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
if(NOT EXISTS ${GENERATED}/DesignedForm.cpp OR NOT EXISTS ${GENERATED}/expected.txt)
  message(FATAL_ERROR "Nothing generated in ${GENERATED}: the designer test did not run.")
endif()
execute_process(
  COMMAND ${COMPILER} -std=c++17 -Wall -Wextra -Werror -DWIN32_LEAN_AND_MEAN -DNOMINMAX
    -I${SOURCE_DIR}/core -I${GENERATED} ${SOURCE_DIR}/tests/designer/generated_form_main.cpp
    ${GENERATED}/DesignedForm.cpp ${COMPONENTS} -static -luser32 -lgdi32
    -lcomctl32 -o ${GENERATED}/generated_form.exe
  RESULT_VARIABLE built OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT built EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "The generated C++ does not compile cleanly:\n${output}")
endif()
execute_process(
  COMMAND ${SOURCE_DIR}/cmake/wine-exec ${LOADER} ${PREFIX} ${GENERATED}/generated_form.exe
    Z:${GENERATED}/actual.txt
  RESULT_VARIABLE ran OUTPUT_QUIET TIMEOUT 60)
if(NOT ran EQUAL 0)
  message(FATAL_ERROR "The generated form's program failed: ${ran}")
endif()
foreach(side expected actual)
  file(STRINGS ${GENERATED}/${side}.txt ${side})
  list(SORT ${side})
endforeach()
if(NOT expected STREQUAL actual)
  string(REPLACE ";" "\n  " expected "${expected}")
  string(REPLACE ";" "\n  " actual "${actual}")
  message(FATAL_ERROR "Designed:\n  ${expected}\nGenerated:\n  ${actual}")
endif()
list(LENGTH actual count)
message(STATUS "The generated form shows the ${count} designed windows.")
