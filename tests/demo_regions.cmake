# Imports the demo text files into a fresh program directory and checks that
# the region files come out byte for byte as committed in demo/.
set(work ${BINARY_DIR}/demo_regions_check)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
foreach(region Germany Switzerland Austria)
  execute_process(COMMAND ${CLI} --dir ${work} import ${SOURCE_DIR}/demo/src/${region}.txt --region ${region}
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "import of ${region}.txt failed (${rc})")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${work}/${region}.krd ${SOURCE_DIR}/demo/${region}.krd
                  RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    message(FATAL_ERROR "${region}.krd differs from the import of demo/src/${region}.txt")
  endif()
endforeach()
file(REMOVE_RECURSE ${work})
