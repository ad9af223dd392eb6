#pragma once
// The character sets a document may be written in, and the conversions of bytes in them
// to Unicode and back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavra {

enum class Charset : std::uint8_t { Windows1250, Windows1252, Iso8859_2, Utf8, Utf16LE, Utf16BE };

// The set a label names ("utf-8", "windows-1250", "ISO-8859-2", ...; ASCII case and
// surrounding blanks ignored). False for a label not understood.
bool charsetByName(std::string_view label, Charset& charset);
// The name of the set, as forms and documents write it.
std::string_view charsetName(Charset charset);

// The Unicode character of each byte of a single-byte set; U+FFFD for the bytes the set
// leaves undefined. Null for UTF-8 and UTF-16.
const char16_t* singleByteTable(Charset charset);

// The length of the byte-order mark that `start` begins with, and the set it announces;
// 0 when there is none.
std::size_t byteOrderMark(std::string_view start, Charset& charset);

// UTF-8 text as bytes of `charset`; a character the set cannot hold becomes `replacement`.
// UTF-16 sets are written without a byte-order mark.
std::string encodeText(std::string_view utf8, Charset charset, char replacement = '?');

}  // namespace tavra
