# How targets are declared. Every folder's CMakeLists.txt uses only these.
#
#   zk_library(name SOURCES ... [LIBS ...])        static library, every preset
#                                                 (Windows-only sources are
#                                                 skipped natively: name them
#                                                 under WIN_SOURCES)
#   zk_program(name SOURCES ... [LIBS ...])        GUI program, Windows presets
#                                                 (give it a manifest: zk_manifest)
#   zk_console_program(name SOURCES ... [LIBS ...]) console program, win64 only
#   zk_host_program(name SOURCES ... [LIBS ...])   program for this machine,
#                                                 native preset only (tools)
#   zk_native_test(name SOURCES ... [LIBS ...])    GoogleTest, native preset
#   zk_wine_test(name SOURCES ... [LIBS ...] [ARGS ...] [DEPENDS ...]
#                [WORLDS world|world=FILTER ...]) GoogleTest, win64 under Wine,
#                                                 once per world of tests/worlds
#                                                 (default: zh only)
#   zk_add_subfolders()                           every sub-folder that has a
#                                                 CMakeLists.txt
#   zk_manifest(target RC script FILE name.manifest NAME assembly LEVEL level
#               DESCRIPTION text)                 a program's manifest, for the
#                                                 resource script's line
#                                                 `1 24 "name.manifest"`
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

# The executable behind the three program kinds below.
function(zk_executable name)
  cmake_parse_arguments(A "WIN32" "" "SOURCES;LIBS" ${ARGN})
  if(A_WIN32)
    set(gui WIN32)
  endif()
  add_executable(${name} ${gui} ${A_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
endfunction()

function(zk_program name)
  if(ZK_WIN)
    zk_executable(${name} WIN32 ${ARGN})
  endif()
endfunction()

function(zk_console_program name)
  if(ZK_WIN AND NOT ZK_SHIPPING)
    zk_executable(${name} ${ARGN})
  endif()
endfunction()

function(zk_host_program name)
  if(NOT ZK_WIN)
    zk_executable(${name} ${ARGN})
  endif()
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
  cmake_parse_arguments(A "" "" "SOURCES;LIBS;ARGS;DEPENDS;WORLDS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS} gtest_main)
  if(A_DEPENDS)
    add_dependencies(${name} ${A_DEPENDS})
  endif()
  zk_world_tests(${name} "${A_ARGS}" ${A_WORLDS})
endfunction()

# Registers a test program under Wine once per world (tests/worlds, run by
# tests/wine-run through ZK_WORLD). A world given as world=FILTER runs only the
# GoogleTest cases that FILTER matches there. Without worlds the program runs
# in zh under its own name; otherwise each run is named name.world. Every run
# is labelled world:NAME, so `ctest -L world:western` runs one world.
function(zk_world_tests name args)
  file(STRINGS ${CMAKE_SOURCE_DIR}/tests/worlds lines REGEX "^[a-z]")
  set(known "")
  foreach(line ${lines})
    string(REGEX MATCH "^[^ ]+" world ${line})
    list(APPEND known ${world})
  endforeach()
  set(worlds ${ARGN})
  set(suffix TRUE)
  if(NOT worlds)
    set(worlds zh)
    set(suffix FALSE)
  endif()
  foreach(entry ${worlds})
    string(REGEX MATCH "^[^=]+" world ${entry})
    if(NOT world IN_LIST known)
      message(FATAL_ERROR "${name}: no world \"${world}\" in tests/worlds")
    endif()
    set(run_args ${args})
    if(entry MATCHES "=(.+)$")
      list(APPEND run_args --gtest_filter=${CMAKE_MATCH_1})
    endif()
    set(test ${name})
    if(suffix)
      set(test ${name}.${world})
    endif()
    add_test(NAME ${test} COMMAND ${name} ${run_args})
    set_tests_properties(${test} PROPERTIES TIMEOUT 300 LABELS world:${world}
                                            ENVIRONMENT ZK_WORLD=${world})
  endforeach()
endfunction()

# One library per folder, by file-name convention:
#   foo.cpp            portable, built by every preset
#   foo_win32.cpp      Windows presets only
#   foo_posix.cpp      native preset only
#   foo_test.cpp       native unit test   (one program: <name>_test)
#   foo_wine_test.cpp  test under Wine    (one program: <name>_wine_test)
#   zk_folder_library(name [LIBS ...] [TEST_LIBS ...] [WINE_TEST_ARGS ...] [WINE_TEST_DEPENDS ...]
#                     [WINE_TEST_WORLDS ...])
function(zk_folder_library name)
  cmake_parse_arguments(A "" "" "LIBS;TEST_LIBS;WINE_TEST_ARGS;WINE_TEST_DEPENDS;WINE_TEST_WORLDS"
                        ${ARGN})
  set(d ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB all CONFIGURE_DEPENDS ${d}/*.cpp)
  file(GLOB wine_tests CONFIGURE_DEPENDS ${d}/*_wine_test.cpp)
  file(GLOB native_tests CONFIGURE_DEPENDS ${d}/*_test.cpp)
  list(REMOVE_ITEM native_tests ${wine_tests} "")
  file(GLOB win CONFIGURE_DEPENDS ${d}/*_win32.cpp)
  file(GLOB posix CONFIGURE_DEPENDS ${d}/*_posix.cpp)
  set(portable ${all})
  list(REMOVE_ITEM portable ${wine_tests} ${native_tests} ${win} ${posix} "")
  set(srcs ${portable})
  if(ZK_WIN)
    list(APPEND srcs ${win})
  else()
    list(APPEND srcs ${posix})
  endif()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${A_LIBS})
    set(self ${name})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${A_LIBS})
    set(self ${name})
  endif()
  if(native_tests)
    zk_native_test(${name}_test SOURCES ${native_tests} LIBS ${self} ${A_TEST_LIBS})
  endif()
  if(wine_tests)
    zk_wine_test(${name}_wine_test SOURCES ${wine_tests} LIBS ${self} ${A_TEST_LIBS}
                 ARGS ${A_WINE_TEST_ARGS} DEPENDS ${A_WINE_TEST_DEPENDS}
                 WORLDS ${A_WINE_TEST_WORLDS})
  endif()
endfunction()

# Adds every sub-folder of the current folder that has a CMakeLists.txt, so a
# folder of independent parts (stand-ins, end-to-end tests) needs no list.
function(zk_add_subfolders)
  file(GLOB dirs LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(dir ${dirs})
    if(EXISTS ${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# The application manifest of a program: the common-controls 6.0 dependency for
# the visual style of the system, and the execution level (asInvoker or
# requireAdministrator) that current Windows starts it with. The program's
# identity and the dependency name the processor the preset builds for. Written
# into the build tree, where the target's resource script finds it along the
# include path.
# Writes a manifest from the one template (processor, assembly name, run
# level, description).
function(zk_write_manifest file arch name level description)
  set(ZK_MANIFEST_ARCH ${arch})
  set(ZK_MANIFEST_NAME ${name})
  set(ZK_MANIFEST_LEVEL ${level})
  set(ZK_MANIFEST_DESCRIPTION ${description})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/program.manifest.in ${file} @ONLY)
endfunction()

function(zk_manifest target)
  if(NOT ZK_WIN)
    return()
  endif()
  cmake_parse_arguments(A "" "RC;FILE;NAME;LEVEL;DESCRIPTION" "" ${ARGN})
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
    set(ZK_MANIFEST_ARCH x86)
    set(init_controls _InitCommonControls@0)
  else()
    set(ZK_MANIFEST_ARCH amd64)
    set(init_controls InitCommonControls)
  endif()
  set(dir ${CMAKE_BINARY_DIR}/manifests)
  zk_write_manifest(${dir}/${A_FILE} ${ZK_MANIFEST_ARCH} ${A_NAME} ${A_LEVEL} "${A_DESCRIPTION}")
  target_include_directories(${target} PRIVATE ${dir})
  set_property(SOURCE ${A_RC} APPEND PROPERTY OBJECT_DEPENDS ${dir}/${A_FILE})
  # With the dependency even the buttons and message boxes come from comctl32
  # 6.0, which registers their classes when it loads, and Windows XP does not
  # load it on its own: import its InitCommonControls (a no-op in 6.0), so the
  # loader brings it in with the program.
  target_link_libraries(${target} PRIVATE comctl32)
  target_link_options(${target} PRIVATE -Wl,--undefined=${init_controls})
endfunction()
