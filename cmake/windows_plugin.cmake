# The shipped plug-in: Quillomar.asi, a 64-bit DLL bound to the script host by name.

set(HOST_DEF "${CMAKE_CURRENT_SOURCE_DIR}/win/ScriptHookRDR2.def")
set(HOST_IMPORT_LIB "${CMAKE_CURRENT_BINARY_DIR}/libScriptHookRDR2.a")
add_custom_command(
  OUTPUT "${HOST_IMPORT_LIB}"
  # dlltool leaves empty temporary files behind: in the build folder, not the system's.
  COMMAND ${CMAKE_COMMAND} -E env "TMPDIR=${CMAKE_CURRENT_BINARY_DIR}" ${CMAKE_DLLTOOL} --input-def "${HOST_DEF}"
    --output-lib "${HOST_IMPORT_LIB}"
  DEPENDS "${HOST_DEF}"
  COMMENT "Import library of the script host")
add_custom_target(host_import_lib DEPENDS "${HOST_IMPORT_LIB}")

# Size: most of the plug-in runs once, at a start or a reload, and is built for size; the code
# every frame runs stays at -O2. Each function in its own section, so that the linker can leave
# out what nothing uses. Not each datum: MinGW then puts zeroed data in .data, where it takes
# room in the file.
set(QUILLOMAR_FRAME_PATH
  "^src/(frame|combat|targeting|prompts|host)/|^src/speech/(line_choice|perform_taunt|repeat_history)\\.cpp$|^src/plugin/update_frame\\.cpp$")
set(QUILLOMAR_FRAME_SOURCES ${QUILLOMAR_LOGIC_SOURCES})
list(FILTER QUILLOMAR_FRAME_SOURCES INCLUDE REGEX "${QUILLOMAR_FRAME_PATH}")
set_source_files_properties(${QUILLOMAR_FRAME_SOURCES} PROPERTIES COMPILE_OPTIONS -O2)
set(QUILLOMAR_SIZE_COMPILE_OPTIONS -Os -ffunction-sections)
set(QUILLOMAR_SIZE_LINK_OPTIONS -Wl,--gc-sections)

enable_language(RC)
configure_file(win/version.rc.in "${CMAKE_CURRENT_BINARY_DIR}/version.rc" @ONLY)

add_library(Quillomar SHARED ${QUILLOMAR_LOGIC_SOURCES} src/platform/platform_win32.cpp
  src/platform/text_files_win32.cpp src/plugin/dll_main.cpp
  "${CMAKE_CURRENT_BINARY_DIR}/version.rc")
add_dependencies(Quillomar host_import_lib)
target_include_directories(Quillomar PRIVATE src)
target_compile_options(Quillomar PRIVATE ${QUILLOMAR_SIZE_COMPILE_OPTIONS})
target_link_libraries(Quillomar PRIVATE "${HOST_IMPORT_LIB}")
# No time stamp in the file: the same sources give the same bytes.
target_link_options(Quillomar PRIVATE ${QUILLOMAR_SIZE_LINK_OPTIONS} -static -static-libgcc -static-libstdc++ -s
  -Wl,--exclude-all-symbols -Wl,--no-insert-timestamp)
# A terminate goes straight to abort: the library's verbose handler writes to a standard error
# the game shows no one, and its demangler alone is 45 KB. Nothing reaches it unless an error
# escapes the handlers around the script (plugin.cpp).
target_link_options(Quillomar PRIVATE -Wl,--defsym,_ZN9__gnu_cxx27__verbose_terminate_handlerEv=abort)
set_target_properties(Quillomar PROPERTIES PREFIX "" SUFFIX ".asi" OUTPUT_NAME "Quillomar"
  RUNTIME_OUTPUT_DIRECTORY "${QUILLOMAR_DIST_DIR}")

# What reads and reports the player's files, compiled once for the checker, the stand-in host
# (win/), which records the files as the plug-in reads them in its trace, and the INI probe.
set(QUILLOMAR_PLAYER_FILE_SOURCES)
foreach(source config/default_file config/key_bindings config/setting_table config/settings config/settings_check
    core/player_folder core/player_text host/game_controls platform/ini_reader platform/platform_win32 platform/text_files
    platform/text_files_win32 plugin/player_files speech/line_file speech/list_text speech/muted_lines
    speech/line_catalogue speech/lines_arthur speech/lines_combat speech/lines_john)
  list(APPEND QUILLOMAR_PLAYER_FILE_SOURCES "src/${source}.cpp")
endforeach()
add_library(quillomar_player_files OBJECT ${QUILLOMAR_PLAYER_FILE_SOURCES})
target_include_directories(quillomar_player_files PUBLIC src)
target_compile_options(quillomar_player_files PRIVATE ${QUILLOMAR_SIZE_COMPILE_OPTIONS})

# QuillomarCheck.exe: the settings check for players, a console program from the same sources.
add_executable(QuillomarCheck tools/check_main.cpp tools/check_command.cpp)
target_link_libraries(QuillomarCheck PRIVATE quillomar_player_files)
target_include_directories(QuillomarCheck PRIVATE src tools)
target_compile_options(QuillomarCheck PRIVATE ${QUILLOMAR_SIZE_COMPILE_OPTIONS})
target_link_options(QuillomarCheck PRIVATE ${QUILLOMAR_SIZE_LINK_OPTIONS} -static -static-libgcc -static-libstdc++ -s -Wl,--no-insert-timestamp)
set_target_properties(QuillomarCheck PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${QUILLOMAR_DIST_DIR}")

# The release package, dist/Quillomar-<VERSION>.zip (scripts/package.sh).
set(RELEASE_ZIP "${QUILLOMAR_DIST_DIR}/Quillomar-${PROJECT_VERSION}.zip")
add_custom_command(OUTPUT "${RELEASE_ZIP}"
  COMMAND "${PROJECT_SOURCE_DIR}/scripts/package.sh" --no-build
  DEPENDS Quillomar QuillomarCheck "${PROJECT_SOURCE_DIR}/scripts/package.sh" "${PROJECT_SOURCE_DIR}/VERSION"
    "${PROJECT_SOURCE_DIR}/CHANGELOG.md" "${PROJECT_SOURCE_DIR}/LICENSE" "${PROJECT_SOURCE_DIR}/docs/README.md"
    "${PROJECT_SOURCE_DIR}/scripts/readme_text.py"
    "${PROJECT_SOURCE_DIR}/docs/settings.md" "${PROJECT_SOURCE_DIR}/docs/lines.md"
    "${PROJECT_SOURCE_DIR}/docs/Quillomar-lines.txt" "${PROJECT_SOURCE_DIR}/tests/config/default_settings.ini"
  COMMENT "The release package")
add_custom_target(release_package ALL DEPENDS "${RELEASE_ZIP}")

# The stand-in script host, its driver and the Wine tests of the shipped plug-in, all in
# build/windows/wine.
set(WINE_OUTPUT_DIR "${CMAKE_BINARY_DIR}/wine")
add_subdirectory(win)
enable_testing()
add_subdirectory(tests/wine)
