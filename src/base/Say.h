// Texts the player reads. The core always speaks English; the window translates each text it
// shows, keyed by that English text. VELMOR_TEXT marks a text so the translation tools find it;
// it changes nothing. A text with holes is written as a pattern ("Game %1 started.") and filled
// with Fill, so that the window can recognise the pattern in the finished text and translate the
// pattern, keeping what filled its holes.
//
// Every marked text belongs to one translation context, "velmor": texts in free functions of the
// namespace are there already, and a class whose members mark texts says VELMOR_SPEAKS(velmor)
// in its declaration. (The translation tools read both names as their own marks.)
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#define VELMOR_TEXT(text) text
#define VELMOR_SPEAKS(context)

namespace velmor {

// Replaces %1 .. %9 in `pattern` by the values in order, in one pass (a value's own "%1" stays);
// a hole without a value is kept as it is.
std::string FillPattern(std::string_view pattern, std::span<const std::string_view> values);
inline std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values) {
  return FillPattern(pattern, std::span<const std::string_view>(values.begin(), values.size()));
}

namespace detail {
inline std::string_view AsText(const std::string& s) { return s; }
inline std::string_view AsText(std::string_view s) { return s; }
inline std::string_view AsText(const char* s) { return s; }
template <typename N>
requires std::is_integral_v<N> std::string AsText(N n) { return std::to_string(n); }
}  // namespace detail

template <typename... Values>
std::string Fill(std::string_view pattern, const Values&... values) {
  // Numbers become text first; the temporaries live until the pattern is filled.
  return [&](const auto&... texts) {
    return FillPattern(pattern, {std::string_view(texts)...});
  }(detail::AsText(values)...);
}

}  // namespace velmor
