#pragma once
// The licence every program of Tavra names after its version: the GPL, version 2 or later
// (the Bible library it reads modules with is under version 2).

namespace tavra {

inline constexpr const char* kLicenceNotice =
    "Licence GPL-2.0-or-later: GNU General Public License, verze 2 nebo pozdější; bez jakékoli záruky.";

}  // namespace tavra
