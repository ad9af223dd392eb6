#pragma once
// The character set a document is read in, settled from its first bytes before any is
// read: a byte-order mark; else a META in the head naming a charset, either as
// `<META CHARSET=...>` or in `<META HTTP-EQUIV="Content-Type" CONTENT="...; charset=...">`;
// else Windows-1250, the set of every file the program has ever shipped.

#include <cstddef>
#include <string_view>

#include "platform/charsets.h"

namespace tavra {

// The head is looked for in this many first bytes.
inline constexpr std::size_t kCharsetScanBytes = 4096;

// The set of the document that begins with `start`; `bomLength` is the length of its
// byte-order mark (0 when none), which is not part of the text. A label not understood
// leaves the default.
Charset DocumentCharsetOf(std::string_view start, std::size_t& bomLength);

}  // namespace tavra
