# The fuzz build: clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer (float to
# integer conversions included), over the plug-in and the simulated game. Only the fuzz targets.

if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "the fuzz build needs clang (the fuzz preset chooses it)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow -fno-sanitize-recover=all
  -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined,float-cast-overflow)

include(cmake/linux.cmake)
