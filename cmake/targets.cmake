# How targets are declared. Every folder's CMakeLists.txt uses only these.
#
#   zk_library(name SOURCES ... [LIBS ...])        static library, every preset
#                                                 (Windows-only sources are
#                                                 skipped natively: name them
#                                                 under WIN_SOURCES)
#   zk_program(name SOURCES ... [LIBS ...])        GUI program, Windows presets
#   zk_console_program(name SOURCES ... [LIBS ...]) console program, win64 only
#   zk_native_test(name SOURCES ... [LIBS ...])    GoogleTest, native preset
#   zk_wine_test(name SOURCES ... [LIBS ...] [ARGS ...] [DEPENDS ...])
#                                                 GoogleTest, win64 under Wine
#
# ZK_WIN is true on both Windows presets, ZK_SHIPPING on the i686 one.
include(CMakeParseArguments)

function(zk_library name)
  cmake_parse_arguments(A "" "" "SOURCES;WIN_SOURCES;LIBS" ${ARGN})
  set(srcs ${A_SOURCES})
  if(ZK_WIN)
    list(APPEND srcs ${A_WIN_SOURCES})
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  if(A_LIBS)
    target_link_libraries(${name} PUBLIC ${A_LIBS})
  endif()
endfunction()

function(zk_program name)
  if(NOT ZK_WIN)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} WIN32 ${A_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
endfunction()

function(zk_console_program name)
  if(NOT ZK_WIN OR ZK_SHIPPING)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
endfunction()

function(zk_native_test name)
  if(ZK_WIN)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS} gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

function(zk_wine_test name)
  if(NOT ZK_WIN OR ZK_SHIPPING)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS;ARGS;DEPENDS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS} gtest_main)
  if(A_DEPENDS)
    add_dependencies(${name} ${A_DEPENDS})
  endif()
  add_test(NAME ${name} COMMAND ${name} ${A_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
