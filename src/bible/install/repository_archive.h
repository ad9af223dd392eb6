#pragma once
// A repository on the network lists its modules in one archive, mods.d.tar.gz: the
// description of each module. Whoever answers in the repository's place writes that
// archive, so it is unpacked here, not by the install manager: its descriptions only, each
// a regular file directly in mods.d; an entry elsewhere, an absolute name, a "..", a link
// or a device refuses the whole archive before the descriptions are used.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavra::bible {

// The archive as downloaded, and what it may unpack to.
inline constexpr std::size_t kMaxDescriptionArchive = std::size_t(16) << 20;
inline constexpr std::size_t kMaxDescriptionCount = 10000;
inline constexpr std::uintmax_t kMaxUnpackedDescriptions = std::uintmax_t(64) << 20;

// Unpacks the descriptions of `archive` (tar, gzip or not) into `folder`/mods.d, a folder it
// makes; `folder` is new and the installer's own. "" or the Czech sentence that says why
// the archive is refused; then what was unpacked must not be used.
std::string unpackDescriptions(std::string_view archive, const std::string& folder);

}  // namespace tavra::bible
