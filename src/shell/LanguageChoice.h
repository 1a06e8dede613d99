// The language the window speaks: the player's choice under Configuration > "Language" ("System"
// follows the locale settings), what that choice means on this system, and which help files go
// with it. The core itself keeps speaking English; the platform translates what it shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Say.h"
#include "shell/MenuItem.h"
#include "shell/Platform.h"

namespace velmor {

class LanguageChoice {
  VELMOR_SPEAKS(velmor)

 public:
  struct Language {
    std::string code;  // as the catalogue files are named: "de", "pt_BR"; "en" for English
    std::string name;  // in the language itself, as its speakers look for it in a list
  };
  // English first, then the others by name.
  static const std::vector<Language>& Languages();
  // The language a choice ("System", or a code) speaks where the system asks for `systemLocale`
  // ("de_DE.UTF-8", "pt_BR", "C", ""): its code, "en" when there is none for it.
  static std::string Resolve(const std::string& choice, const std::string& systemLocale);
  // The help file `file` ("velmor.rtf") in `code` ("velmor.de.rtf") when `exists` finds it there,
  // else `file` itself.
  static std::string LocalFile(const std::string& file, const std::string& code,
                               const std::function<bool(const std::string&)>& exists);

  // Fills `menu` with "System" and the languages, one radio group. The catalogues are in
  // `folder` (read at each use; ending with '/').
  LanguageChoice(Platform& platform, const std::string& folder, MenuItem& menu, int radioGroup);
  LanguageChoice(const LanguageChoice&) = delete;
  LanguageChoice& operator=(const LanguageChoice&) = delete;

  // As the settings keep it: "System" or a code. Anything else reads as "System".
  std::string choice = "System";
  // Called after the player chose another language and it is spoken: help texts to read again.
  std::function<void()> onChange;

  // Makes the platform speak what `choice` means now and checks its entry. A language whose
  // catalogue cannot be read is reported, and English spoken.
  void Apply();
  // The code spoken now.
  const std::string& Spoken() const { return spoken_; }

 private:
  Platform& platform_;
  const std::string& folder_;
  std::vector<MenuItem*> entries_;  // "System" first, then Languages() in order
  std::string spoken_ = "en";
};

}  // namespace velmor
