# The sound device against the real SDL2_mixer and FluidSynth. SDL's dummy driver pulls audio
# without a sound card; a few tests run a child process with another driver (none at all, or
# SDL's disk writer to measure the music level).
add_executable(velmor_audio_tests ${CMAKE_CURRENT_SOURCE_DIR}/audio/audio_test.cpp)
set_target_properties(velmor_audio_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(velmor_audio_tests PRIVATE velmor_audio GTest::gtest GTest::gtest_main)
target_compile_definitions(velmor_audio_tests PRIVATE VELMOR_DATA_DIR="${CMAKE_SOURCE_DIR}/data")
# Each shipped tune's level is measured over the whole tune, rendered note by note: about half a
# minute of the everyday set, so those renders carry the label `soak` with the long plays.
gtest_discover_tests(velmor_audio_tests DISCOVERY_TIMEOUT 60 TEST_FILTER "-Musics/ShippedTune.SitsNear*"
  TEST_LIST velmor_audio_quick PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy")
gtest_discover_tests(velmor_audio_tests DISCOVERY_TIMEOUT 60 TEST_FILTER "Musics/ShippedTune.SitsNear*"
  TEST_LIST velmor_audio_soak PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy" LABELS soak TIMEOUT 1500)
