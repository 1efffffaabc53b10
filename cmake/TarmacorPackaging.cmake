# The release archive: `cmake --build <build> --target package` writes
# Tarmacor-<version>.zip into the build folder.
#
# Mod managers install an archive by merging it into the game folder, so the
# archive has no folder of its own on top: everything lies below
# Data/SFSE/Plugins/. It holds the plugin, the INI checker, an example custom
# INI and a text for players, and nothing else: every rule below belongs to
# one component, and CPack installs only that component, whatever install
# rules other projects in the build (googletest) may bring.
#
# The custom INI is shipped under a name the plugin does not read, so that
# installing never replaces a player's own TarmacorCustom.ini.
if(NOT TARGET Tarmacor OR NOT TARGET tarmacor_ini)
  # Native builds: no Windows programs to ship.
  return()
endif()

set(tarmacor_package_component Tarmacor)
set(tarmacor_plugin_folder Data/SFSE/Plugins)

# DLL platforms install the DLL and the executable as RUNTIME artefacts; the
# DLL's import library (ARCHIVE) is no use to players and stays out.
install(TARGETS Tarmacor tarmacor_ini
  RUNTIME DESTINATION ${tarmacor_plugin_folder} COMPONENT ${tarmacor_package_component}
  ARCHIVE DESTINATION lib COMPONENT Development EXCLUDE_FROM_ALL)

# Players open these in Notepad: Windows line endings, whatever the checkout
# has. The text for players names the version and the log file.
set(tarmacor_package_texts ${CMAKE_BINARY_DIR}/package)
foreach(text TarmacorCustom.example.ini Tarmacor-README.txt)
  configure_file(${PROJECT_SOURCE_DIR}/package/${text} ${tarmacor_package_texts}/${text} @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${tarmacor_package_texts}/${text}
    DESTINATION ${tarmacor_plugin_folder} COMPONENT ${tarmacor_package_component})
endforeach()

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR ${TARMACOR_PLUGIN_AUTHOR})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# <build folder>;<project>;<component>;<folder inside the archive>
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${tarmacor_package_component};/")
# The shipped files are exactly the ones built (the DLL is stripped when
# linked).
set(CPACK_STRIP_FILES OFF)
include(CPack)
