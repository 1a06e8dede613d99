#include "platform/SoundLibraries.h"

#include <dlfcn.h>

#include <atomic>
#include <mutex>
#include <string_view>

namespace velmor {

#define VELMOR_DEFINE_SOUND_FUNCTION(name) decltype(&::name) name = nullptr;
VELMOR_SOUND_FUNCTIONS(VELMOR_DEFINE_SOUND_FUNCTION)
#undef VELMOR_DEFINE_SOUND_FUNCTION

namespace {

std::atomic<bool> opened{false};

struct Libraries {
  void* sdl = nullptr;
  void* mixer = nullptr;
  void* fluid = nullptr;

  void* Of(std::string_view function) const {
    if (function.starts_with("SDL_")) return sdl;
    if (function.starts_with("Mix_")) return mixer;
    return fluid;
  }
};

// The name and the reason of a library that cannot be opened, as the loader gives it.
void* Open(const char* library, std::string& problem) {
  void* handle = ::dlopen(library, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr && problem.empty()) {
    const char* why = ::dlerror();
    problem = std::string("cannot open ") + library + (why != nullptr ? std::string(": ") + why : std::string());
  }
  return handle;
}

template <class Function>
void Find(const Libraries& libraries, const char* name, Function& function, std::string& problem) {
  void* symbol = ::dlsym(libraries.Of(name), name);
  if (symbol == nullptr && problem.empty()) problem = std::string("the sound libraries have no ") + name;
  function = reinterpret_cast<Function>(symbol);
}

}  // namespace

bool OpenSoundLibraries(std::string& error) {
  static std::once_flag once;
  static std::string problem;
  std::call_once(once, [] {
    Libraries libraries;
    libraries.sdl = Open(VELMOR_SDL_LIBRARY, problem);
    libraries.mixer = Open(VELMOR_SDL_MIXER_LIBRARY, problem);
    libraries.fluid = Open(VELMOR_FLUIDSYNTH_LIBRARY, problem);
    if (!problem.empty()) return;
#define VELMOR_FIND_SOUND_FUNCTION(name) Find(libraries, #name, name, problem);
    VELMOR_SOUND_FUNCTIONS(VELMOR_FIND_SOUND_FUNCTION)
#undef VELMOR_FIND_SOUND_FUNCTION
    // Half a set is no set: nothing is called unless every function was found.
    if (!problem.empty()) {
#define VELMOR_FORGET_SOUND_FUNCTION(name) name = nullptr;
      VELMOR_SOUND_FUNCTIONS(VELMOR_FORGET_SOUND_FUNCTION)
#undef VELMOR_FORGET_SOUND_FUNCTION
      return;
    }
    opened.store(true, std::memory_order_release);
  });
  if (!problem.empty()) error = problem;
  return problem.empty();
}

bool SoundLibrariesOpen() { return opened.load(std::memory_order_acquire); }

}  // namespace velmor
