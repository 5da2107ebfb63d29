# veltrane_library(NAME [FOLDER SUB] LIBS ...): one static library per core
# folder, of every source in it (or in SUB below it), so that a file joins
# its library by lying in its folder.
function(veltrane_library name)
  cmake_parse_arguments(ARG "" "FOLDER" "LIBS" ${ARGN})
  set(folder ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_FOLDER)
    set(folder ${folder}/${ARG_FOLDER})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  target_link_libraries(${name} PRIVATE veltrane_warnings)
endfunction()
