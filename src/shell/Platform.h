// Everything the game asks of the operating system. The Qt side implements it for the real
// window; tests use a fake with a hand-driven clock and scripted answers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "display/Picture.h"

namespace velmor {

struct FileDialogRequest {
  std::string title;
  std::string filter;         // "Description (*.ext)|*.ext" pairs separated by '|'
  std::string initialFolder;  // ends with '/'
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The millisecond tick counter: 32 bits, wraps after about 49.7 days.
  virtual uint32_t TickCount() = 0;
  // Milliseconds since midnight UTC, 0 .. 86 399 999.
  virtual uint32_t UtcMillisecondOfDay() = 0;

  // A question with OK and Cancel; true for OK.
  virtual bool Confirm(const std::string& caption, const std::string& text) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void ShowError(const std::string& text) = 0;

  // Empty when the player cancels.
  virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> OpenPictureDialog(const FileDialogRequest& request) = 0;

  // Lets pending window events run, so a change shows before a long operation goes on.
  virtual void ProcessMessages() = 0;

  // Reads a bitmap file into `out` (the picture takes the file's size). False with a reason.
  virtual bool LoadBitmap(const std::string& path, Picture& out, std::string& error) = 0;

  // Copies `area` of `picture` onto the same place of the board image on screen.
  virtual void PresentBoard(const Picture& picture, const Rect& area) = 0;
};

}  // namespace velmor
