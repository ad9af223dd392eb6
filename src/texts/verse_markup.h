#pragma once
// The marks of a verse's text as the daily-watchword files write them: a speaker's
// introduction between slashes, ending with a colon ("/Jesus spricht:/ Ich bin"), and
// emphasis between number signs ("mir wird #nichts# mangeln"). The signs are ASCII, so
// the notation reads the same in UTF-8 and in Windows-1250.

#include <string>
#include <string_view>

#include "texts/day_line.h"

namespace tavra::texts {

// The text without the signs, and its marks; the reference is left empty. A sign
// without its partner, or around nothing, is text.
Verse readMarkup(std::string_view notation);

// The verse's text with its marks in the notation.
std::string writeMarkup(const Verse& verse);

// Whether the notation of the verse reads back as its text and marks: false for a text
// whose own slashes or number signs would be read as marks.
bool markupReadsBack(const Verse& verse);

}  // namespace tavra::texts
