# Fails when a file of the Qt-free layers includes a Qt header.
# Qt is allowed only in */ui/, platform/qt/ and app/.
file(GLOB_RECURSE files
     ${ROOT}/platform/*.h ${ROOT}/platform/*.cpp
     ${ROOT}/core/*.h ${ROOT}/core/*.cpp ${ROOT}/locations/*.h ${ROOT}/locations/*.cpp
     ${ROOT}/route/*.h ${ROOT}/route/*.cpp ${ROOT}/aircraft/*.h ${ROOT}/aircraft/*.cpp
     ${ROOT}/views/*.h ${ROOT}/views/*.cpp ${ROOT}/terrain/*.h ${ROOT}/terrain/*.cpp
     ${ROOT}/maps/*.h ${ROOT}/maps/*.cpp ${ROOT}/gps/*.h ${ROOT}/gps/*.cpp
     ${ROOT}/tracks/*.h ${ROOT}/tracks/*.cpp)
set(bad)
foreach(f IN LISTS files)
  if(f MATCHES "/ui/" OR f MATCHES "/platform/qt/")
    continue()
  endif()
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt[a-z]*/|Qt[A-Za-z]*/)")
  if(lines)
    list(APPEND bad "${f}: ${lines}")
  endif()
endforeach()
if(bad)
  list(JOIN bad "\n" text)
  message(FATAL_ERROR "Qt header outside */ui/, platform/qt/ and app/:\n${text}")
endif()
list(LENGTH files checked)
message(STATUS "no Qt header in ${checked} files of the logic layers")
