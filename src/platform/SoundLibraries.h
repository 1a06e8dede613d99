// The sound libraries (SDL2, SDL2_mixer, FluidSynth and the forty-odd libraries they bring in)
// are opened when the first sound is wanted, not linked: the window's start neither maps them
// nor has every symbol it resolves searched through them, and a machine without them runs the
// game silently instead of refusing to start it.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <string>

// Every function the sound code calls.
// clang-format off
#define VELMOR_SOUND_FUNCTIONS(X) \
  X(SDL_SetHint) \
  X(SDL_InitSubSystem) \
  X(SDL_QuitSubSystem) \
  X(SDL_GetError) \
  X(SDL_RWFromConstMem) \
  X(SDL_TLSCleanup) \
  X(SDL_OpenAudioDevice) \
  X(SDL_CloseAudioDevice) \
  X(SDL_PauseAudioDevice) \
  X(SDL_QueueAudio) \
  X(SDL_ClearQueuedAudio) \
  X(SDL_LoadWAV_RW) \
  X(SDL_FreeWAV) \
  X(SDL_BuildAudioCVT) \
  X(SDL_ConvertAudio) \
  X(Mix_OpenAudioDevice) \
  X(Mix_AllocateChannels) \
  X(Mix_QuerySpec) \
  X(Mix_HookMusic) \
  X(Mix_CloseAudio) \
  X(Mix_QuickLoad_RAW) \
  X(Mix_Volume) \
  X(Mix_PlayChannel) \
  X(Mix_HaltChannel) \
  X(Mix_FreeChunk) \
  X(fluid_set_log_function) \
  X(new_fluid_settings) \
  X(delete_fluid_settings) \
  X(fluid_settings_setnum) \
  X(fluid_settings_setint) \
  X(new_fluid_synth) \
  X(delete_fluid_synth) \
  X(fluid_synth_sfload) \
  X(fluid_synth_system_reset) \
  X(fluid_synth_set_gain) \
  X(fluid_synth_all_notes_off) \
  X(fluid_synth_write_s16) \
  X(new_fluid_player) \
  X(delete_fluid_player) \
  X(fluid_player_add_mem) \
  X(fluid_player_play) \
  X(fluid_player_stop) \
  X(fluid_player_get_current_tick)
// clang-format on

namespace velmor {

// Inside namespace velmor these pointers hide the libraries' own declarations, so the sound code
// calls the functions by their usual names. Each is null until OpenSoundLibraries succeeds.
#define VELMOR_DECLARE_SOUND_FUNCTION(name) extern decltype(&::name) name;
VELMOR_SOUND_FUNCTIONS(VELMOR_DECLARE_SOUND_FUNCTION)
#undef VELMOR_DECLARE_SOUND_FUNCTION

// Opens the libraries the first time, from whichever thread asks; every later call gives the
// same answer at once. False with the reason when a library or one of its functions is missing.
bool OpenSoundLibraries(std::string& error);
// Whether they have been opened, without opening them: for clean-ups that have nothing to do
// when no sound was ever made.
bool SoundLibrariesOpen();

}  // namespace velmor
