#pragma once
// Windows-1250, the code page of every data file of the program (settings, readings, year
// files, the day's text) and the default of HTML documents. The one table of the code
// page; charsets.h builds the document sets on it.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavra::cp1250 {

// The five bytes the code page leaves undefined map to the C1 controls of the same
// value, so that any byte string survives a round trip unchanged.
char16_t toUnicode(std::uint8_t byte);

// The byte for a Unicode character; false when the code page has no such character.
bool fromUnicode(char32_t ch, std::uint8_t& byte);

// The code page's one case map: a letter's other case where the code page holds it (ASCII,
// the Latin-1 letters and the paired Latin Extended-A letters), any other byte unchanged.
std::uint8_t toLower(std::uint8_t byte);
std::uint8_t toUpper(std::uint8_t byte);

std::u16string toUtf16(std::string_view bytes);
std::string toUtf8(std::string_view bytes);

// Characters outside the code page become `replacement`; malformed UTF-8 bytes too.
std::string fromUtf8(std::string_view utf8, char replacement = '?');
std::string fromUtf16(std::u16string_view text, char replacement = '?');

}  // namespace tavra::cp1250
