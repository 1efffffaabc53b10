# GoogleTest and the way test executables are run.
#
# Cross build: the tests are Windows executables run by Wine through CMake's
# cross-compiling emulator, with a private prefix inside the build tree. A
# persistent wineserver is started before anything runs under Wine (a build
# step and a ctest fixture), so each test process starts in milliseconds and
# no Wine background service holds the build's or ctest's pipes open.
include(GoogleTest)

# The test sources are built for a short compile instead of the build type's
# -O2 or -O3: the code under test comes from the project's libraries, built
# like the DLL, and a test's own code only has to be quick enough. GCC: -Og,
# which keeps the warnings that need data-flow analysis; clang: -O0, since
# its -Og is -O1, which under the sanitizers costs as much as -O2.
set(TARMACOR_TEST_OPTIMIZATION $<$<CXX_COMPILER_ID:GNU>:-Og> $<$<CXX_COMPILER_ID:Clang>:-O0>)

if(MSVC)
  find_package(GTest CONFIG REQUIRED)
else()
  set(TARMACOR_GOOGLETEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "Debian's googletest sources")
  if(NOT EXISTS ${TARMACOR_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "googletest sources not found in ${TARMACOR_GOOGLETEST_SOURCE_DIR}; install the googletest package")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${TARMACOR_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
  # GoogleTest is no code under test: it is built for a short compile, and
  # without the sanitizers, which would only check GoogleTest itself.
  foreach(gtest_target gtest gtest_main gmock gmock_main)
    if(TARGET ${gtest_target})
      target_compile_options(${gtest_target} PRIVATE ${TARMACOR_TEST_OPTIMIZATION} -fno-sanitize=all)
    endif()
  endforeach()
endif()

if(CMAKE_CROSSCOMPILING AND WIN32)
  set(TARMACOR_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine/run-test ${TARMACOR_WINE_PREFIX})
  add_custom_target(wine_prefix ALL
    COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/prepare ${TARMACOR_WINE_PREFIX}
    COMMENT "Preparing the Wine prefix"
    VERBATIM USES_TERMINAL)
  add_test(NAME wine_prefix COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/prepare ${TARMACOR_WINE_PREFIX})
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
endif()

# tarmacor_add_gtest(<name> SOURCES ... [LIBRARIES ...] [RESOURCE_LOCK <lock>]
#                    [WITH_PLUGIN_DLL]
#                    [ENVIRONMENT_FOR <gtest filter> ENVIRONMENT <VAR=value>...])
# A GoogleTest executable with every test case registered with ctest. On
# Windows it carries the simulated game's version resource, so that it can
# stand in for the game executable. WITH_PLUGIN_DLL copies the built
# Tarmacor.dll beside it; RESOURCE_LOCK keeps its tests from running beside
# others that hold the same lock. The one in use is game_session: a test
# that plays the game's own version shares what only one running game may
# hold, the log in Documents and the address library's shared table (its
# name is seen by every process under the same wineserver). The tests that
# match ENVIRONMENT_FOR run with ENVIRONMENT's variables set, the others
# without them.
function(tarmacor_add_gtest name)
  cmake_parse_arguments(arg "WITH_PLUGIN_DLL" "RESOURCE_LOCK;ENVIRONMENT_FOR" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
  set(sources ${arg_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/UnbufferedOutput.cpp)
  if(WIN32)
    list(APPEND sources ${TARMACOR_GAME_VERSION_RC})
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gmock GTest::gtest_main)
  target_compile_options(${name} PRIVATE ${TARMACOR_TEST_OPTIMIZATION})
  tarmacor_warnings(${name})
  if(TARGET wine_prefix)
    add_dependencies(${name} wine_prefix)
  endif()
  if(arg_WITH_PLUGIN_DLL)
    add_dependencies(${name} Tarmacor)
    add_custom_command(TARGET ${name} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Tarmacor> $<TARGET_FILE_DIR:${name}>
      VERBATIM)
  endif()
  set(properties TIMEOUT 120)
  if(CMAKE_CROSSCOMPILING)
    list(APPEND properties FIXTURES_REQUIRED wine)
  endif()
  if(arg_RESOURCE_LOCK)
    list(APPEND properties RESOURCE_LOCK ${arg_RESOURCE_LOCK})
  endif()
  set(workdir ${CMAKE_CURRENT_BINARY_DIR}/${name}.work)
  file(MAKE_DIRECTORY ${workdir})
  if(arg_ENVIRONMENT_FOR)
    gtest_discover_tests(${name}
      WORKING_DIRECTORY ${workdir}
      DISCOVERY_TIMEOUT 60
      TEST_FILTER "-${arg_ENVIRONMENT_FOR}"
      PROPERTIES ${properties})
    gtest_discover_tests(${name}
      WORKING_DIRECTORY ${workdir}
      DISCOVERY_TIMEOUT 60
      TEST_FILTER "${arg_ENVIRONMENT_FOR}"
      PROPERTIES ${properties} ENVIRONMENT "${arg_ENVIRONMENT}")
  else()
    gtest_discover_tests(${name}
      WORKING_DIRECTORY ${workdir}
      DISCOVERY_TIMEOUT 60
      PROPERTIES ${properties})
  endif()
endfunction()
