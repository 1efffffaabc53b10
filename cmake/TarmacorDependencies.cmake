# fmt and spdlog, both header-only.
#
# Cross build (MinGW on Debian): Debian's headers (libfmt-dev, libspdlog-dev).
# They live in /usr/include beside glibc's headers, which must never reach the
# MinGW compiler, so only the two library folders are exposed, through a
# folder of links in the build tree.
# Native build: the same headers straight from /usr/include.
# MSVC build: vcpkg's packages (see vcpkg.json).
add_library(tarmacor_fmt INTERFACE)
add_library(tarmacor_spdlog INTERFACE)
target_link_libraries(tarmacor_spdlog INTERFACE tarmacor_fmt)

if(MSVC)
  find_package(fmt CONFIG REQUIRED)
  find_package(spdlog CONFIG REQUIRED)
  target_link_libraries(tarmacor_fmt INTERFACE fmt::fmt-header-only)
  target_link_libraries(tarmacor_spdlog INTERFACE spdlog::spdlog_header_only)
else()
  target_compile_definitions(tarmacor_fmt INTERFACE FMT_HEADER_ONLY)
  target_compile_definitions(tarmacor_spdlog INTERFACE SPDLOG_FMT_EXTERNAL)
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
    target_include_directories(tarmacor_fmt SYSTEM INTERFACE ${shim})
  endif()
endif()

if(WIN32)
  # Log paths stay wide all the way: players' Documents folders hold
  # non-ASCII names.
  target_compile_definitions(tarmacor_spdlog INTERFACE SPDLOG_WCHAR_FILENAMES)
  add_library(tarmacor_windows INTERFACE)
  target_compile_definitions(tarmacor_windows INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()
