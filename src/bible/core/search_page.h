#pragma once
// The page of a search's results, for the viewer as the passage page is (UTF-8 HTML): what
// was sought, how many verses were found in which Bible, how the answer was come by where
// that matters (no index), and the verses, each its reference as a link and its text with
// the found words in bold. A link's address is ResultLink followed by the reference in the
// short notation the viewer reads ("bible:J 3,16").

#include <string>

#include "bible/core/bible_search.h"

namespace tavra::bible {

inline constexpr const char* ResultLink = "bible:";

// More verses than this are not listed; the page then says how many there were.
inline constexpr std::size_t MaxListedResults = 1000;

std::string searchPageHtml(const std::string& query, const std::string& bibleName, const BibleSearch& found);

// The reference a result link names; "" for any other address.
std::string referenceOfLink(const std::string& address);

}  // namespace tavra::bible
