# The Linux build: the plug-in's logic over the simulated game, the tool, tests and benchmarks.

add_library(quillomar_core STATIC ${QUILLOMAR_LOGIC_SOURCES} src/platform/platform_portable.cpp
  src/platform/text_files_portable.cpp)
target_include_directories(quillomar_core PUBLIC src)

find_package(Threads REQUIRED)
find_package(nlohmann_json 3 REQUIRED)
add_library(quillomar_sim STATIC ${QUILLOMAR_SIM_SOURCES} sim/script_runner.cpp sim/folder_files_posix.cpp)
target_include_directories(quillomar_sim PUBLIC sim src)
target_link_libraries(quillomar_sim PUBLIC Threads::Threads nlohmann_json::nlohmann_json)

# The plug-in reads its clock from the host it runs in, and the scenario reader reads keys as the
# settings loader does, so the two link as one.
target_link_libraries(quillomar_core PUBLIC quillomar_sim)
target_link_libraries(quillomar_sim PUBLIC quillomar_core)
add_library(quillomar_in_sim INTERFACE)
target_link_libraries(quillomar_in_sim INTERFACE quillomar_core)

# The fuzz build (cmake/fuzz.cmake) stops here: the fuzz targets alone.
if(QUILLOMAR_FUZZ)
  add_subdirectory(fuzz)
  return()
endif()

add_subdirectory(tools)
add_subdirectory(bench)

include(CTest)
if(BUILD_TESTING)
  add_subdirectory(tests)
  add_subdirectory(scenarios)
endif()
add_subdirectory(fuzz)
