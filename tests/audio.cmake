# The sound device against the real SDL2_mixer and FluidSynth. SDL's dummy driver pulls audio
# without a sound card; a few tests run a child process with another driver (none at all, or
# SDL's disk writer to measure the music level).
add_executable(velmor_audio_tests ${CMAKE_CURRENT_SOURCE_DIR}/audio/audio_test.cpp)
set_target_properties(velmor_audio_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(velmor_audio_tests PRIVATE velmor_audio GTest::gtest GTest::gtest_main)
target_compile_definitions(velmor_audio_tests PRIVATE VELMOR_DATA_DIR="${CMAKE_SOURCE_DIR}/data")
gtest_discover_tests(velmor_audio_tests DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy")
