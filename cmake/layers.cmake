# One static library per source folder. Each library sees only the headers of
# the folders it may use: its include directory holds links to those folders
# alone, so a forbidden include fails to compile instead of slipping through.
function(rinkdesk_library name)
  cmake_parse_arguments(ARG "" "" "USES" ${ARGN})
  set(inc ${CMAKE_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${inc})
  foreach(folder ${name} ${ARG_USES})
    if(NOT EXISTS ${inc}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${inc}/${folder} SYMBOLIC)
    endif()
  endforeach()
  file(GLOB srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
  if(NOT srcs)  # a folder still being written
    file(WRITE ${CMAKE_BINARY_DIR}/empty_${name}.cpp "")
    set(srcs ${CMAKE_BINARY_DIR}/empty_${name}.cpp)
  endif()
  add_library(rd_${name} STATIC ${srcs})
  target_include_directories(rd_${name} PRIVATE ${inc})
  foreach(dep ${ARG_USES})
    target_link_libraries(rd_${name} PUBLIC rd_${dep})
  endforeach()
endfunction()

# A GoogleTest program made of every test source in one folder.
function(rinkdesk_test name folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
