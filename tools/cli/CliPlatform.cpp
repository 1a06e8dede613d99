#include "CliPlatform.h"

#include <chrono>
#include <iostream>

#include "platform/QtPictures.h"

namespace velmor {

uint32_t CliPlatform::TickCount() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

uint32_t CliPlatform::UtcMillisecondOfDay() { return UtcMillisecondOfDayNow(); }

uint32_t UtcMillisecondOfDayNow() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return static_cast<uint32_t>(ms % 86'400'000);
}

bool CliPlatform::Confirm(const std::string&, const std::string&) { return false; }

void CliPlatform::ShowMessage(const std::string& text) { std::cerr << text << '\n'; }

void CliPlatform::ShowError(const std::string& text) {
  errorShown = true;
  std::cerr << "velmor-cli: " << text << '\n';
}

}  // namespace velmor

namespace velmor {
bool CliPlatform::LoadBitmap(const std::string& path, Picture& out, std::string& error) {
  return LoadPictureFile(path, out, error);
}
}  // namespace velmor
