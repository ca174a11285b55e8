# Compares the tests that a test program lists with those that the build read from its sources
# (LISTED, one PREFIX"Suite.Name" a line): a test the reading missed would silently never run.
#   cmake [-DEMULATOR=launcher] -DPROGRAM=program [-DPREFIX=prefix] -DLISTED=file -P CheckTestList.cmake
execute_process(COMMAND ${EMULATOR} ${PROGRAM} --gtest_list_tests
  OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} could not list its tests (${rc})")
endif()

string(REPLACE "\r" "" out "${out}")
string(REPLACE ";" "," out "${out}")
string(REPLACE "\n" ";" lines "${out}")
set(listed "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([A-Za-z0-9_/]+\\.)")
    set(suite "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  ([A-Za-z0-9_/]+)")
    # ctest names a disabled test without its mark.
    string(REGEX REPLACE "(^|\\.)DISABLED_" "\\1" name "${suite}${CMAKE_MATCH_1}")
    list(APPEND listed "${PREFIX}${name}")
  endif()
endforeach()
list(SORT listed)

file(STRINGS "${LISTED}" read)
list(SORT read)
if(NOT listed STREQUAL read)
  set(missed ${listed})
  list(REMOVE_ITEM missed ${read})
  set(extra ${read})
  list(REMOVE_ITEM extra ${listed})
  message(FATAL_ERROR "Tests the build did not read from the sources: ${missed}\n"
    "Tests the build read that the program does not have: ${extra}")
endif()
list(LENGTH listed count)
message(STATUS "${count} tests, each read from the sources")
