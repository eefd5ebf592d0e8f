# The scaled example run at 96, 144 and 192 pixels per inch: Wine takes the screen's from the
# prefix's LogPixels, which is set for each run and taken out again after, even when a run
# fails. The test runs alone, as every program started meanwhile would see the value.
foreach(needed SOURCE_DIR LOADER PREFIX PROGRAM)
  if(NOT DEFINED ${needed})
    message(FATAL_ERROR "run_dpi_test.cmake needs -D${needed}=...")
  endif()
endforeach()
set(wine ${SOURCE_DIR}/cmake/wine-exec ${LOADER} ${PREFIX})
set(key "HKCU\\Control Panel\\Desktop")
set(failed "")
foreach(dpi 96 144 192)
  execute_process(COMMAND ${wine} reg add ${key} /v LogPixels /t REG_DWORD /d ${dpi} /f
    OUTPUT_QUIET ERROR_QUIET)
  execute_process(COMMAND ${wine} ${PROGRAM} RESULT_VARIABLE code OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
  # Its own lines; the library's diagnostics come between them.
  string(REGEX MATCHALL "dpi: [^\n]*" lines "${out}")
  string(REPLACE ";" "\n  " lines "${lines}")
  message(STATUS "at ${dpi}:\n  ${lines}")
  if(NOT code EQUAL 0 OR NOT out MATCHES "dpi: scaled to ${dpi}\n")
    string(APPEND failed " ${dpi}")
  endif()
endforeach()
execute_process(COMMAND ${wine} reg delete ${key} /v LogPixels /f OUTPUT_QUIET ERROR_QUIET)
if(failed)
  message(FATAL_ERROR "the example is not scaled as its screen asks at:${failed}")
endif()
