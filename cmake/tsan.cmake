# The tsan build: what crosses threads, under ThreadSanitizer. The keyboard handler runs on the
# game's window thread and the frames on the script's; the key presses between them must show no
# data race.

find_package(GTest REQUIRED)
add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
add_link_options(-fsanitize=thread)
add_executable(key_presses_tsan tests/plugin/key_presses_test.cpp src/plugin/key_presses.cpp)
target_include_directories(key_presses_tsan PRIVATE src)
target_link_libraries(key_presses_tsan PRIVATE GTest::gtest_main)
enable_testing()
add_test(NAME tsan.key_presses COMMAND key_presses_tsan)
set_tests_properties(tsan.key_presses PROPERTIES ENVIRONMENT "TSAN_OPTIONS=halt_on_error=1")
