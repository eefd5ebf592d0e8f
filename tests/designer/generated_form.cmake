# Compiles the C++ the designer test generated (DesignedFormDesign.h and .cpp, and the user's
# DesignedForm.h and .cpp that the test edited, in GENERATED) with the project's compiler and
# flags against the components library, warnings as errors, with the library's manifest as a
# program opts in (UTF-8 texts), runs it through Wine and compares the components its form
# makes, written as a form file, with every_class.vform, the file the designer test designed
# the same form to; the user's click handler must have run.
# With COMPILE_ONLY every C++ file in GENERATED is compiled and nothing more: the random designer
# test's form, whose classes and components are whatever its stream made.
set(needed COMPILER COMPILER_FLAGS GENERATED SOURCE_DIR)
if(NOT COMPILE_ONLY)
  list(APPEND needed RC_COMPILER COMPONENTS LOADER PREFIX MACRO_TABLE)
endif()
foreach(var ${needed})
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
separate_arguments(COMPILER_FLAGS UNIX_COMMAND "${COMPILER_FLAGS}")
set(compile ${COMPILER} ${COMPILER_FLAGS} -std=c++17 -Wall -Wextra -Werror -DWIN32_LEAN_AND_MEAN
  -DNOMINMAX -I${SOURCE_DIR}/core -I${GENERATED})
if(COMPILE_ONLY)
  file(GLOB sources ${GENERATED}/*.cpp)
  if(NOT sources)
    message(FATAL_ERROR "Nothing generated in ${GENERATED}: the random designer test did not run.")
  endif()
  foreach(source ${sources})
    execute_process(COMMAND ${compile} -c ${source} -o ${GENERATED}/compiled.o
      RESULT_VARIABLE built OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT built EQUAL 0 OR NOT output STREQUAL "")
      message(FATAL_ERROR "${source} does not compile cleanly:\n${output}")
    endif()
  endforeach()
  return()
endif()
# Tricky.cpp, the form of components named like what its class uses, is compiled along.
if(NOT EXISTS ${GENERATED}/DesignedFormDesign.cpp OR NOT EXISTS ${GENERATED}/DesignedForm.cpp
   OR NOT EXISTS ${GENERATED}/TrickyDesign.cpp OR NOT EXISTS ${GENERATED}/Tricky.cpp)
  message(FATAL_ERROR "Nothing generated in ${GENERATED}: the designer test did not run.")
endif()
get_filename_component(tables ${MACRO_TABLE} DIRECTORY)
execute_process(
  COMMAND ${RC_COMPILER} -O coff -I ${SOURCE_DIR}/core/resources
    ${SOURCE_DIR}/core/resources/velmora_manifest.rc ${GENERATED}/manifest.o
  RESULT_VARIABLE compiled ERROR_VARIABLE output)
if(NOT compiled EQUAL 0)
  message(FATAL_ERROR "The manifest does not compile:\n${output}")
endif()
execute_process(
  COMMAND ${compile} -I${SOURCE_DIR}/designer -I${tables}
    ${SOURCE_DIR}/tests/designer/generated_form_main.cpp ${GENERATED}/DesignedFormDesign.cpp
    ${GENERATED}/DesignedForm.cpp ${GENERATED}/TrickyDesign.cpp ${GENERATED}/Tricky.cpp
    ${GENERATED}/manifest.o
    ${SOURCE_DIR}/designer/component_window.cpp ${SOURCE_DIR}/designer/component_record.cpp
    ${SOURCE_DIR}/designer/form_file.cpp ${SOURCE_DIR}/designer/core_library.cpp
    ${SOURCE_DIR}/designer/form_model.cpp
    ${COMPONENTS} -static -luser32 -lgdi32
    -lcomctl32 -o ${GENERATED}/generated_form.exe
  RESULT_VARIABLE built OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT built EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "The generated C++ does not compile cleanly:\n${output}")
endif()
execute_process(
  COMMAND ${SOURCE_DIR}/cmake/wine-exec ${LOADER} ${PREFIX} ${GENERATED}/generated_form.exe
    Z:${GENERATED}/actual.vform
  RESULT_VARIABLE ran OUTPUT_VARIABLE printed TIMEOUT 60)
if(NOT ran EQUAL 0)
  message(FATAL_ERROR "The generated form's program failed: ${ran}")
endif()
# The test wrote this handler into the user's file; the button click reaches it.
if(NOT printed MATCHES "Button1Click from Button1")
  message(FATAL_ERROR "The user's handler did not run; the program printed:\n${printed}")
endif()
# The test made the edit the first for Tab; the others follow in the order they were placed.
if(NOT printed MATCHES "Tab: Edit1 Panel1 ToolBar1 StatusBar1\n")
  message(FATAL_ERROR "Tab does not follow the designed order; the program printed:\n${printed}")
endif()
file(STRINGS ${SOURCE_DIR}/tests/designer/every_class.vform expected)
file(STRINGS ${GENERATED}/actual.vform actual)
# The form's and the components' lines, without the hosted editor (see generated_form_main.cpp)
# and without the events, which a program cannot show but by running them.
foreach(side expected actual)
  list(FILTER ${side} EXCLUDE REGEX "^(Velmora form|core |VUdeRedo)")
  list(TRANSFORM ${side} REPLACE " On[A-Za-z]+=[A-Za-z0-9_]+" "")
  list(SORT ${side})
endforeach()
if(NOT expected STREQUAL actual)
  string(REPLACE ";" "\n  " expected "${expected}")
  string(REPLACE ";" "\n  " actual "${actual}")
  message(FATAL_ERROR "Designed:\n  ${expected}\nGenerated:\n  ${actual}")
endif()
list(LENGTH actual count)
message(STATUS "The generated form shows the ${count} designed windows.")
