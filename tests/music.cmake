# Checks on the committed tunes in data/Musics and the sound effects in data/, which are written
# by tools/musicgen.
add_executable(velmor_music_tests ${CMAKE_CURRENT_SOURCE_DIR}/music_files_test.cpp)
set_target_properties(velmor_music_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(velmor_music_tests PRIVATE GTest::gtest GTest::gtest_main)
target_compile_definitions(velmor_music_tests PRIVATE VELMOR_DATA_DIR="${CMAKE_SOURCE_DIR}/data")
gtest_discover_tests(velmor_music_tests)
