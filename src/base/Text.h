// Small text helpers shared by the file readers and the game object.
#pragma once

#include <string>
#include <string_view>

namespace velmor {

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
std::string Trim(std::string_view s);
// Case-insensitive ordering of ASCII names, the order the layout and tune lists are sorted in.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
bool Contains(std::string_view haystack, std::string_view needle);
// File-name part of a path ("/a/b/c.lay" -> "c.lay").
std::string FileNamePart(std::string_view path);
// A folder path ending in '/', as every folder the game keeps does ("" stays "").
std::string FolderWithSlash(std::string folder);
// Strict decimal parse of a whole string, leading and trailing blanks allowed; false on anything else.
bool ParseInt(std::string_view s, long long& out);

// A Windows-1252 byte as a Unicode code point (the code page's holes give U+FFFD).
char32_t FromCp1252(unsigned char b);
// Appends a code point as UTF-8; surrogates and values past U+10FFFF become U+FFFD.
void AppendUtf8(std::string& s, char32_t c);

}  // namespace velmor
