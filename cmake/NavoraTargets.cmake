# Collects the Qt-free sources of one folder: everything below it except
# ui/ folders and platform/qt, which hold the Qt code.
function(navora_glob_sources out dir)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  list(FILTER found EXCLUDE REGEX "/ui/")
  list(FILTER found EXCLUDE REGEX "/platform/qt/")
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Collects the Qt sources: every ui/ folder of the subsystems and platform/qt.
function(navora_glob_qt_sources out)
  set(all)
  foreach(dir IN ITEMS platform/qt core/ui locations/ui route/ui aircraft/ui views/ui
                       terrain/ui maps/ui gps/ui tracks/ui)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp
         ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    list(APPEND all ${found})
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()
