# Source paths as the sources name themselves: relative to the checkout.
#
# __FILE__ and std::source_location are written into the DLL (log lines,
# fatal message boxes). Mapped, they read "src/SFSE/API.cpp" wherever the
# checkout lies: the DLL holds no builder's folder names, two builds from
# different folders give the same bytes, and the fatal box's short name
# doesn't depend on the folders above the checkout.
set(tarmacor_source_root "${PROJECT_SOURCE_DIR}/")
cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${PROJECT_BINARY_DIR}" NORMALIZE tarmacor_binary_inside)

if(MSVC)
  # cl has no documented prefix map for __FILE__ and std::source_location;
  # /d1trimfile: (undocumented, honoured by cl since VS 2019 16.x) cuts the
  # prefix from both. cl sees native paths. Not exercised by this project's
  # own (MinGW) builds: should it be ignored, the short name in fatal boxes
  # still cuts at the leftmost "src" or "include" folder.
  file(TO_NATIVE_PATH "${tarmacor_source_root}" tarmacor_native_root)
  add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:/d1trimfile:${tarmacor_native_root}>")
else()
  # GCC and clang: -ffile-prefix-map covers __FILE__, __builtin_FILE (and
  # with it std::source_location) and the debug information.
  add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${tarmacor_source_root}=>")
  if(NOT tarmacor_binary_inside)
    add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=build/>")
  endif()
endif()
