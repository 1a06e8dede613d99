#include "shell/SoundLevels.h"

#include <cmath>
#include <memory>
#include <string>

namespace velmor {

namespace {

// Five decibels a step, so the quietest step is a tenth of the full amplitude.
constexpr double StepDecibels = 5;

constexpr const char* StepCaptions[SoundLevels::Full + 1] = {VELMOR_TEXT("Off"),   VELMOR_TEXT("Very Quiet"),
                                                             VELMOR_TEXT("Quiet"), VELMOR_TEXT("Medium"),
                                                             VELMOR_TEXT("Loud"),  VELMOR_TEXT("Full")};

}  // namespace

SoundLevels::SoundLevels(Platform& platform, MenuItem& musicMenu, MenuItem& effectsMenu) : platform_(platform) {
  Fill(music_, musicMenu, 4, &SoundLevels::SetMusic);
  Fill(effects_, effectsMenu, 5, &SoundLevels::SetEffects);
}

void SoundLevels::Fill(Control& control, MenuItem& menu, int radioGroup, void (SoundLevels::*set)(int)) {
  for (int level = 0; level <= Full; ++level) {
    auto entry = std::make_unique<MenuItem>(menu.Name() + std::to_string(level), StepCaptions[level]);
    entry->SetRadioGroup(radioGroup).OnClick([this, set, level](MenuItem&) { (this->*set)(level); });
    control.entries[level] = entry.get();
    menu.AddOwned(std::move(entry));
  }
  Check(control, control.level);
}

void SoundLevels::Check(Control& control, int level) {
  control.level = level >= 0 && level <= Full ? level : Full;
  for (int k = 0; k <= Full; ++k) control.entries[k]->SetChecked(k == control.level);
}

void SoundLevels::SetMusic(int level) {
  Check(music_, level);
  platform_.Media().SetVolume(Volume(music_.level));
}

void SoundLevels::SetEffects(int level) {
  Check(effects_, level);
  platform_.SetEffectsVolume(Volume(effects_.level));
}

double SoundLevels::Volume(int level) {
  if (level <= 0) return 0;
  if (level >= Full) return 1;
  return std::pow(10.0, -(Full - level) * StepDecibels / 20);
}

}  // namespace velmor
