#include "Notation.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace musicgen {
namespace {

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isSpace(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !isSpace(text[i])) ++i;
    if (i > start) out.push_back(text.substr(start, i - start));
  }
  return out;
}

class Reader {
 public:
  Reader(std::string_view text, int ticksPerBar) : text_(text), ticksPerBar_(ticksPerBar) {}

  Part read() {
    while (skipSpace()) token();
    if (!ties_.empty()) fail("the last note is tied to nothing");
    part_.length = position_;
    return part_;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    const std::size_t end = std::min(text_.size(), tokenStart_ + 12);
    throw std::runtime_error("bar " + std::to_string(position_ / ticksPerBar_ + 1) + ", at \"" +
                             std::string(text_.substr(tokenStart_, end - tokenStart_)) + "\": " + what);
  }

  bool skipSpace() {
    while (at_ < text_.size() && isSpace(text_[at_])) ++at_;
    tokenStart_ = at_;
    return at_ < text_.size();
  }

  char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }

  int number() {
    if (!isDigit(peek())) fail("a number is missing");
    int value = 0;
    while (isDigit(peek()) && value < 1000) value = value * 10 + (text_[at_++] - '0');
    return value;
  }

  int pitch() {
    static constexpr int semitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    const char letter = peek();
    if (letter < 'A' || letter > 'G') fail("a note name (A to G) is expected");
    ++at_;
    int key = semitones[letter - 'A'];
    if (peek() == '#') {
      ++key;
      ++at_;
    } else if (peek() == 'b') {
      --key;
      ++at_;
    }
    key += 12 * (number() + 1);  // C4 is middle C, key 60
    if (key < 0 || key > 127) fail("the note is outside the MIDI range");
    return key;
  }

  // A duration letter is optional: without one the previous duration carries on, as it does
  // when music is written out by hand.
  void duration() {
    int ticks = 0;
    switch (peek()) {
      case 'w':
        ticks = 4 * TicksPerQuarter;
        break;
      case 'h':
        ticks = 2 * TicksPerQuarter;
        break;
      case 'q':
        ticks = TicksPerQuarter;
        break;
      case 'e':
        ticks = TicksPerQuarter / 2;
        break;
      case 's':
        ticks = TicksPerQuarter / 4;
        break;
      default:
        return;
    }
    ++at_;
    if (peek() == '.') {
      ticks += ticks / 2;
      ++at_;
    }
    length_ = ticks;
  }

  void token() {
    const char c = peek();
    if (c == '|') {
      ++at_;
      if (position_ % ticksPerBar_ != 0)
        fail("the bar line falls " + std::to_string(position_ % ticksPerBar_) + " ticks into a bar");
      return;
    }
    if (c == 'v') {
      ++at_;
      velocity_ = number();
      if (velocity_ < 1 || velocity_ > 127) fail("velocity must be 1 to 127");
      endOfToken();
      return;
    }

    std::vector<int> keys;
    if (c == 'r') {
      ++at_;
    } else if (c == '[') {
      ++at_;
      while (true) {
        while (isSpace(peek())) ++at_;
        if (peek() == ']') {
          ++at_;
          break;
        }
        if (peek() == '\0') fail("the chord is not closed");
        keys.push_back(pitch());
      }
      if (keys.empty()) fail("the chord is empty");
    } else {
      keys.push_back(pitch());
    }
    duration();
    bool tied = false;
    if (peek() == '~') {
      if (keys.empty()) fail("a rest cannot be tied");
      tied = true;
      ++at_;
    }
    endOfToken();
    play(keys, tied);
  }

  void endOfToken() {
    if (peek() != '\0' && !isSpace(peek()) && peek() != '|') fail(std::string("unexpected '") + peek() + "'");
  }

  // A tie holds over only the notes the next chord repeats; the others end where they are. That
  // lets a pad keep its common tones from chord to chord without spelling each one out.
  void play(const std::vector<int>& keys, bool tied) {
    std::vector<std::pair<int, std::size_t>> held;
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (std::count(keys.begin(), keys.end(), keys[i]) > 1) fail("the chord has the same note twice");
      auto tie = std::find_if(ties_.begin(), ties_.end(), [&](const auto& t) { return t.first == keys[i]; });
      std::size_t index;
      if (tie != ties_.end()) {
        index = tie->second;
        part_.notes[index].length += length_;
      } else {
        index = part_.notes.size();
        part_.notes.push_back({position_, length_, keys[i], velocity_});
      }
      if (tied) held.emplace_back(keys[i], index);
    }
    ties_ = std::move(held);
    position_ += length_;
  }

  std::string_view text_;
  int ticksPerBar_;
  std::size_t at_ = 0;
  std::size_t tokenStart_ = 0;
  int position_ = 0;
  int length_ = TicksPerQuarter;
  int velocity_ = 64;
  std::vector<std::pair<int, std::size_t>> ties_;  // key, index in part_.notes
  Part part_;
};

}  // namespace

Part parsePart(std::string_view text, int ticksPerBar) { return Reader(text, ticksPerBar).read(); }

std::string figureChart(const Voicings& voicings, std::string_view chart, std::string_view figure) {
  std::string spaced;  // so that charts joined end to end still split at their bar lines
  for (char c : chart) spaced += c == '|' ? std::string(" | ") : std::string(1, c);
  std::string out;
  for (std::string_view chord : words(spaced)) {
    if (chord == "|") {
      out += "| ";
      continue;
    }
    const auto voicing = voicings.find(chord);
    if (voicing == voicings.end()) throw std::runtime_error("no voicing for the chord " + std::string(chord));
    const std::vector<std::string_view> notes = words(voicing->second);
    for (std::size_t i = 0; i < figure.size();) {
      const bool startsWord = i == 0 || isSpace(figure[i - 1]) || figure[i - 1] == '[';
      if (!isDigit(figure[i]) || !startsWord) {
        out += figure[i++];
        continue;
      }
      std::size_t n = 0;
      while (i < figure.size() && isDigit(figure[i])) n = n * 10 + std::size_t(figure[i++] - '0');
      if (n < 1 || n > notes.size())
        throw std::runtime_error("the chord " + std::string(chord) + " has no note " + std::to_string(n));
      out += notes[n - 1];
    }
    out += ' ';
  }
  return out;
}

}  // namespace musicgen
