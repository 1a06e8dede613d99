#include "shell/LanguageChoice.h"

#include <memory>

namespace velmor {

const std::vector<LanguageChoice::Language>& LanguageChoice::Languages() {
  static const std::vector<Language> languages = {
      {"en", "English"},
      {"de", "Deutsch"},
      {"es", "Espa\xC3\xB1ol"},
      {"fr",
       "Fran\xC3\xA7"
       "ais"},
      {"it", "Italiano"},
      {"nl", "Nederlands"},
      {"pt_BR", "Portugu\xC3\xAAs (Brasil)"},
  };
  return languages;
}

std::string LanguageChoice::Resolve(const std::string& choice, const std::string& systemLocale) {
  for (const Language& l : Languages())
    if (choice == l.code) return l.code;
  // "de_DE.UTF-8@euro": language and territory before the code set and modifier.
  const std::string locale = systemLocale.substr(0, systemLocale.find_first_of(".@"));
  const std::string language = locale.substr(0, locale.find('_'));
  for (const Language& l : Languages())
    if (locale == l.code) return l.code;
  // A territory we have no catalogue of still speaks its language: Portuguese speakers anywhere
  // read Brazilian Portuguese sooner than English.
  for (const Language& l : Languages())
    if (language == l.code.substr(0, l.code.find('_'))) return l.code;
  return "en";
}

std::string LanguageChoice::LocalFile(const std::string& file, const std::string& code,
                                      const std::function<bool(const std::string&)>& exists) {
  if (code.empty() || code == "en") return file;
  const size_t dot = file.rfind('.');
  const std::string local =
      dot == std::string::npos ? file + "." + code : file.substr(0, dot) + "." + code + file.substr(dot);
  return exists(local) ? local : file;
}

LanguageChoice::LanguageChoice(Platform& platform, const std::string& folder, MenuItem& menu, int radioGroup)
    : platform_(platform), folder_(folder) {
  auto add = [&](const std::string& caption, const std::string& code) {
    auto item = std::make_unique<MenuItem>("Language_" + code, caption);
    item->SetCheckable().SetRadioGroup(radioGroup);
    item->OnClick([this, code](MenuItem&) {
      if (choice == code) return Apply();
      choice = code;
      Apply();
      if (onChange) onChange();
    });
    entries_.push_back(&menu.AddOwned(std::move(item)));
  };
  add(VELMOR_TEXT("System"), "System");
  menu.AddSeparator();
  for (const Language& l : Languages()) add(l.name, l.code);
}

void LanguageChoice::Apply() {
  const std::string code = Resolve(choice, platform_.SystemLanguage());
  std::string error;
  if (platform_.UseLanguage(code, folder_, error)) {
    spoken_ = code;
  } else {
    spoken_ = "en";
    std::string none;
    platform_.UseLanguage(spoken_, folder_, none);
    // A system language without its catalogue quietly stays English; a chosen one says why.
    if (choice != "System") platform_.ShowError(Fill(VELMOR_TEXT("Velmor cannot speak this language: %1."), error));
  }
  bool known = false;
  for (size_t k = 1; k < entries_.size(); ++k) known = known || Languages()[k - 1].code == choice;
  if (!known) choice = "System";
  for (size_t k = 0; k < entries_.size(); ++k)
    entries_[k]->SetChecked(k == 0 ? choice == "System" : Languages()[k - 1].code == choice);
}

}  // namespace velmor
