# Makes the release archive with CPack into a fresh folder, unpacks it and
# checks what a player gets. Every fault found is reported, then the script
# fails.
#
# -D CPACK, CPACK_CONFIG, BUILD_CONFIG (may be empty), WORK_FOLDER, VERSION,
#    PLUGIN_DLL, INI_CHECKER, PROFILE_FIELDS (the header with the profile keys)
cmake_minimum_required(VERSION 3.25)

set(plugins Data/SFSE/Plugins)
set(expected_entries
  Data
  Data/SFSE
  ${plugins}
  ${plugins}/Tarmacor-README.txt
  ${plugins}/Tarmacor.dll
  ${plugins}/TarmacorCustom.example.ini
  ${plugins}/tarmacor-ini.exe
)
set(expected_archive Tarmacor-${VERSION}.zip)

foreach(input CPACK_CONFIG PLUGIN_DLL INI_CHECKER PROFILE_FIELDS)
  if(NOT EXISTS "${${input}}")
    message(FATAL_ERROR "${${input}} is missing: build the targets Tarmacor and tarmacor_ini first")
  endif()
endforeach()

set(faults "")
macro(fault text)
  string(APPEND faults "\n  ${text}")
endmacro()

file(REMOVE_RECURSE "${WORK_FOLDER}")
set(out "${WORK_FOLDER}/cpack")
set(unpacked "${WORK_FOLDER}/unpacked")
file(MAKE_DIRECTORY "${out}" "${unpacked}")

set(config_arguments "")
if(BUILD_CONFIG)
  set(config_arguments -C "${BUILD_CONFIG}")
endif()
# With Makefiles CPack first builds the `preinstall` target, which is the
# whole tree (and the Wine prefix) again, beside the other tests. The test
# packs what the build made: CPack is told of a generator without that step;
# the files it installs and packs are the same.
execute_process(
  COMMAND "${CPACK}" -G ZIP --config "${CPACK_CONFIG}" -B "${out}" ${config_arguments} -D CPACK_CMAKE_GENERATOR=Ninja
  RESULT_VARIABLE status
  OUTPUT_VARIABLE cpack_output
  ERROR_VARIABLE cpack_output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed (${status}):\n${cpack_output}")
endif()

file(GLOB archives RELATIVE "${out}" "${out}/*.zip")
if(NOT archives STREQUAL expected_archive)
  message(FATAL_ERROR "cpack made [${archives}], expected ${expected_archive}")
endif()
file(SIZE "${out}/${expected_archive}" archive_size)
message(STATUS "${expected_archive}: ${archive_size} bytes")

execute_process(
  COMMAND "${CMAKE_COMMAND}" -E tar xf "${out}/${expected_archive}"
  WORKING_DIRECTORY "${unpacked}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${expected_archive} does not unpack (${status})")
endif()

# The layout, folders included: nothing on top of Data, nothing extra.
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${unpacked}" "${unpacked}/*")
list(SORT entries)
list(SORT expected_entries)
if(NOT entries STREQUAL expected_entries)
  list(JOIN entries "\n    " found)
  fault("the archive holds\n    ${found}")
endif()

# The programs are the ones this build made, byte for byte.
foreach(pair "Tarmacor.dll;${PLUGIN_DLL}" "tarmacor-ini.exe;${INI_CHECKER}")
  list(GET pair 0 name)
  list(GET pair 1 built)
  set(shipped "${unpacked}/${plugins}/${name}")
  if(EXISTS "${shipped}")
    file(SHA256 "${shipped}" shipped_hash)
    file(SHA256 "${built}" built_hash)
    if(NOT shipped_hash STREQUAL built_hash)
      fault("${name} differs from ${built}")
    endif()
  endif()
endforeach()

# The texts open well in Notepad (Windows line endings) and name no build
# variable that was left unreplaced.
foreach(name Tarmacor-README.txt TarmacorCustom.example.ini)
  set(text_file "${unpacked}/${plugins}/${name}")
  if(EXISTS "${text_file}")
    # file(READ) drops carriage returns: count bytes.
    file(READ "${text_file}" hex HEX)
    string(REGEX REPLACE "(..)" "\\1 " bytes "${hex}")
    string(REGEX MATCHALL "0a " line_ends "${bytes}")
    string(REGEX MATCHALL "0d 0a " crlf_line_ends "${bytes}")
    list(LENGTH line_ends line_count)
    list(LENGTH crlf_line_ends crlf_count)
    if(line_count EQUAL 0 OR NOT line_count EQUAL crlf_count OR NOT bytes MATCHES "0d 0a $")
      fault("${name}: ${crlf_count} of ${line_count} lines end in CR LF, and so must the last")
    endif()
    file(READ "${text_file}" text)
    if(text MATCHES "@[A-Za-z_]+@")
      fault("${name}: holds ${CMAKE_MATCH_0}")
    endif()
  endif()
endforeach()

# The example: the profile [REV-8], each profile key exactly once and the
# view hotkey a player adds, then its view [REV-8 #far] with camera keys
# only, then [Global] with the one switch it shows (reading edits while the
# game runs); no key besides them. The keys are the table rows of the
# plugin's header; its dump order lists the standing ones a second time,
# which proves the rows were all found.
file(STRINGS "${PROFILE_FIELDS}" rows REGEX "ProfileFieldRows::(Hotkey|Float|Switch)\\(\"")
file(STRINGS "${PROFILE_FIELDS}" dump_rows REGEX "^\t\"[A-Za-z]+\",$")
set(profile_keys "")
set(camera_keys "")
foreach(row IN LISTS rows)
  string(REGEX MATCH "::([A-Za-z]+)\\(\"([A-Za-z]+)\"" _ "${row}")
  list(APPEND profile_keys ${CMAKE_MATCH_2})
  if(CMAKE_MATCH_1 STREQUAL "Float")
    list(APPEND camera_keys ${CMAKE_MATCH_2})
  endif()
endforeach()
file(STRINGS "${PROFILE_FIELDS}" added_rows REGEX "ProfileFieldRows::AddedHotkey\\(\"")
set(added_keys "")
foreach(row IN LISTS added_rows)
  string(REGEX MATCH "\\(\"([A-Za-z]+)\"" _ "${row}")
  list(APPEND added_keys ${CMAKE_MATCH_1})
endforeach()
list(LENGTH profile_keys key_count)
list(LENGTH camera_keys camera_count)
list(LENGTH dump_rows dump_count)
if(key_count EQUAL 0 OR NOT key_count EQUAL dump_count OR camera_count EQUAL 0 OR NOT added_keys)
  message(FATAL_ERROR "${PROFILE_FIELDS}: read ${key_count} profile keys (${camera_count} camera keys), but ${dump_count} in the dump order, and added keys [${added_keys}]")
endif()

set(example "${unpacked}/${plugins}/TarmacorCustom.example.ini")
if(EXISTS "${example}")
  file(STRINGS "${example}" sections REGEX "^\\[")
  if(NOT sections STREQUAL "[REV-8];[REV-8 #far];[Global]")
    fault("TarmacorCustom.example.ini: sections [${sections}], expected [REV-8], [REV-8 #far] then [Global]")
  endif()
  file(STRINGS "${example}" lines REGEX "^[^;]")
  set(section "")
  set(given_keys "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^\\[(.*)\\]$")
      set(section "${CMAKE_MATCH_1}")
      continue()
    endif()
    string(REGEX MATCH "^[^=]*" key "${line}")
    if(section STREQUAL "REV-8")
      list(APPEND given_keys "${key}")
      if(NOT key IN_LIST profile_keys AND NOT key IN_LIST added_keys)
        fault("TarmacorCustom.example.ini: [${line}] is no profile key")
      endif()
    elseif(section STREQUAL "REV-8 #far")
      if(NOT key IN_LIST camera_keys)
        fault("TarmacorCustom.example.ini: [${line}] is no key a view sets")
      endif()
    elseif(NOT key STREQUAL "bReloadOnFileChange")
      fault("TarmacorCustom.example.ini: [${line}] in [${section}] is no key of it")
    endif()
  endforeach()
  foreach(key IN LISTS profile_keys added_keys)
    set(occurrences ${given_keys})
    list(FILTER occurrences INCLUDE REGEX "^${key}$")
    list(LENGTH occurrences count)
    if(NOT count EQUAL 1)
      fault("TarmacorCustom.example.ini: ${key} given ${count} times in [REV-8]")
    endif()
  endforeach()
endif()

if(faults)
  message(FATAL_ERROR "${expected_archive}:${faults}")
endif()
