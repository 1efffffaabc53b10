# fmt and spdlog, each compiled once for the whole build.
#
# Both libraries have a compiled mode: their headers then only declare, and
# the definitions come from one translation unit. Compiled header-only, every
# file that logs builds both implementations again (seconds per file at -O3).
#
# Cross build (MinGW on Debian) and native build: Debian's headers
# (libfmt-dev, libspdlog-dev) and two translation units of our own
# (src/Libraries) that build the compiled mode from the -inl.h headers Debian
# ships. For the cross build only the two library folders are exposed,
# through a folder of links in the build tree: /usr/include also holds
# glibc's headers, which must never reach the MinGW compiler.
# MSVC build: vcpkg's compiled fmt and spdlog (see vcpkg.json).
if(MSVC)
  find_package(fmt CONFIG REQUIRED)
  find_package(spdlog CONFIG REQUIRED)
  add_library(tarmacor_fmt INTERFACE)
  add_library(tarmacor_spdlog INTERFACE)
  target_link_libraries(tarmacor_fmt INTERFACE fmt::fmt)
  target_link_libraries(tarmacor_spdlog INTERFACE spdlog::spdlog tarmacor_fmt)
else()
  set(libraries_dir ${CMAKE_CURRENT_LIST_DIR}/../src/Libraries)
  add_library(tarmacor_fmt STATIC ${libraries_dir}/FmtLibrary.cpp)
  # Declares the instances FmtLibrary.cpp builds ahead of every file, so that
  # none builds them again.
  target_compile_options(tarmacor_fmt PUBLIC "$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${libraries_dir}/FmtInstances.h>")
  # Only what links it builds it: the native build has no use for spdlog.
  add_library(tarmacor_spdlog STATIC EXCLUDE_FROM_ALL ${libraries_dir}/SpdlogLibrary.cpp)
  target_link_libraries(tarmacor_spdlog PUBLIC tarmacor_fmt)
  target_compile_definitions(tarmacor_spdlog PUBLIC SPDLOG_COMPILED_LIB SPDLOG_FMT_EXTERNAL)
  if(CMAKE_CROSSCOMPILING)
    set(TARMACOR_SYSTEM_INCLUDE_DIR "/usr/include" CACHE PATH "Where Debian's spdlog and fmt headers live")
    set(shim ${CMAKE_BINARY_DIR}/third_party_include)
    file(MAKE_DIRECTORY ${shim})
    foreach(lib spdlog fmt)
      if(NOT EXISTS ${TARMACOR_SYSTEM_INCLUDE_DIR}/${lib})
        message(FATAL_ERROR "${lib} headers not found in ${TARMACOR_SYSTEM_INCLUDE_DIR}/${lib}: install libspdlog-dev and libfmt-dev")
      endif()
      file(CREATE_LINK ${TARMACOR_SYSTEM_INCLUDE_DIR}/${lib} ${shim}/${lib} SYMBOLIC)
    endforeach()
    target_include_directories(tarmacor_fmt SYSTEM PUBLIC ${shim})
  endif()
endif()

if(WIN32)
  # Log paths stay wide all the way: players' Documents folders hold
  # non-ASCII names. (vcpkg: spdlog's "wchar" feature.)
  if(MSVC)
    target_compile_definitions(tarmacor_spdlog INTERFACE SPDLOG_WCHAR_FILENAMES)
  else()
    target_compile_definitions(tarmacor_spdlog PUBLIC SPDLOG_WCHAR_FILENAMES)
  endif()
  add_library(tarmacor_windows INTERFACE)
  target_compile_definitions(tarmacor_windows INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()
