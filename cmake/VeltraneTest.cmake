# veltrane_test(NAME [WIDGETS] [SOURCES ...] LIBS ...): one GoogleTest
# executable per folder, of every source in it and any SOURCES from
# elsewhere. The shared test main runs headless (a QApplication with
# WIDGETS) and points HOME and the XDG folders at a temporary folder, so no
# test writes into the real home or beside the build.
function(veltrane_test name)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${sources} ${ARG_SOURCES})
  if(ARG_WIDGETS)
    set(main veltrane_testmain_widgets)
  else()
    set(main veltrane_testmain_gui)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${main} GTest::gtest)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
