// The status message: a new one appears whole, then its start scrolls away one character per
// heartbeat (or it stays whole without the scrolling option); the "no more moves" message instead
// bounces left and right every second heartbeat until a move is possible again.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace velmor {

struct StatusLine {
  std::string Message = " ";
  int32_t Length = 1;
  int32_t Pos = 1;   // 1-based: the message is shown from this character on
  int32_t Step = 1;  // the bounce's direction
  bool Bounce = false;
  bool Held = false, GivesWay = false;  // see Hold and ShowUntilMove

  // Positions count characters, not bytes: a translated message scrolls a letter at a time too.
  void Show(const std::string& message) {
    Length = static_cast<int32_t>(Characters(message));
    Message = message;
    Pos = Length;
    Held = GivesWay = false;
  }
  // A greeting: it goes the way of any message and, where messages stay, gives way at the first
  // move (GiveWay).
  void ShowUntilMove(const std::string& message) {
    Show(message);
    GivesWay = true;
  }
  // A state the player must see for as long as it lasts (the pause): shown whole, never
  // scrolled away, until GiveWay.
  void Hold(const std::string& message) {
    Show(message);
    Held = GivesWay = true;
  }
  // The game went on: a greeting or a held message leaves; the caption to show then, once.
  std::optional<std::string> GiveWay() {
    if (!GivesWay) return std::nullopt;
    Show(" ");
    return Message;
  }
  void StartBounce(const std::string& message) {
    Step = 1;
    Show(message);
    Bounce = true;
  }
  // Nothing left to scroll or bounce: further heartbeats would change nothing.
  bool Still() const { return !Bounce && Pos <= 1 && Message == " "; }
  // One heartbeat (`tick` counts them): the text to show now, or nothing when it stays.
  std::optional<std::string> Advance(uint32_t tick, bool scrolling) {
    int pos = Pos;
    if (Bounce && tick % 2 == 0) {
      pos += Step;
      if (pos <= 0 || pos >= Length) {
        Step = -Step;
        pos += Step;
      }
      Pos = std::max(pos, 1);
      return From(Pos);
    }
    if (pos <= 1) {
      Message = " ";
      return std::nullopt;
    }
    Pos = scrolling && !Held ? std::max(pos - 1, 1) : 1;
    return From(Pos);
  }

 private:
  static bool Continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
  static size_t Characters(const std::string& s) {
    return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) { return !Continues(c); }));
  }
  std::string From(int pos) const {
    size_t skip = static_cast<size_t>(pos > 0 ? pos - 1 : 0), at = 0;
    while (at < Message.size() && skip > 0) {
      ++at;
      while (at < Message.size() && Continues(Message[at])) ++at;
      --skip;
    }
    return at < Message.size() ? Message.substr(at) : std::string();
  }
};

}  // namespace velmor
