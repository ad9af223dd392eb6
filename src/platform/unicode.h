#pragma once
// Unicode text as the engine holds it: UTF-16 for what is shown, measured and selected
// (one unit per character for every European script), UTF-8 for names, addresses and
// what the file system and the toolkit take.

#include <string>
#include <string_view>

namespace tavra {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// A scalar value: a code point that is not a surrogate.
inline bool isScalarValue(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }
inline bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u < 0xDC00; }
inline bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u < 0xE000; }

// Decodes the UTF-8 character at `pos` and moves `pos` past it. A malformed sequence gives
// false, with `pos` moved past its lead byte and the continuation bytes that follow it.
// `pos` must be below the size of `utf8`.
bool nextUtf8(std::string_view utf8, std::size_t& pos, char32_t& ch);

// UTF-8 as code points, each malformed sequence one U+FFFD; and back.
std::u32string utf8ToUtf32(std::string_view utf8);
std::string utf32ToUtf8(std::u32string_view text);

// The blanks of running text: space, tab, the line and page ends, the no-break space, the
// typographic spaces (U+2000 to U+200A, U+202F, U+3000) and the line and paragraph
// separators. What one program reads as a blank, every other part reads so too.
bool isBlank(char32_t c);

// Byte offsets in UTF-8 text counted in characters: where the character holding the byte at
// `at` begins; `count` characters on from `at` (or the end); the characters from `from` to
// `to`.
std::size_t utf8CharacterStart(std::string_view text, std::size_t at);
std::size_t utf8CharactersOn(std::string_view text, std::size_t at, std::size_t count);
std::size_t utf8CharactersBetween(std::string_view text, std::size_t from, std::size_t to);

// Append one character; anything but a scalar value appends U+FFFD.
void appendUtf8(std::string& out, char32_t c);
void appendUtf16(std::u16string& out, char32_t c);

// Text that is valid UTF-8 as it stands; any other is read as Latin-1, the encoding older
// files of other programs were written in before they moved to UTF-8.
std::string utf8OrLatin1(std::string_view bytes);

// Malformed UTF-8 and unpaired surrogates become U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view text);

// The character at `pos` of UTF-16 text, a surrogate pair joined; `pos` moves past it.
char32_t nextUtf16(std::u16string_view text, std::size_t& pos);

// The lower and the upper case of a letter of the Latin-1 and Latin Extended-A, Greek and
// Cyrillic alphabets, for comparisons that ignore case; any other character unchanged.
char32_t foldCase(char32_t c);
char32_t upperCase(char32_t c);

// UTF-8 text in upper case by the rule above.
std::string upperCaseUtf8(std::string_view utf8);

}  // namespace tavra
