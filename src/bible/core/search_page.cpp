#include "bible/core/search_page.h"

#include <algorithm>

#include "platform/czech_text.h"
#include "platform/markup.h"

namespace tavra::bible {

namespace {

constexpr const char* kQuietColour = "#505050";

// The verse's text, its found words in bold.
std::string withBoldWords(const FoundVerse& verse) {
  std::string html;
  std::size_t at = 0;
  for (const search::Span& span : verse.spans) {
    if (span.begin < at || span.begin + span.length > verse.text.size()) continue;
    html += escapeMarkup(std::string_view(verse.text).substr(at, span.begin - at));
    html += "<B>" + escapeMarkup(std::string_view(verse.text).substr(span.begin, span.length)) + "</B>";
    at = span.begin + span.length;
  }
  return html + escapeMarkup(std::string_view(verse.text).substr(at));
}

}  // namespace

std::string searchPageHtml(const std::string& query, const std::string& bibleName, const BibleSearch& found) {
  const std::string heading = "Hledání " + czechQuoted(query);
  std::string html = "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\"><TITLE>" +
                     escapeMarkup(heading) + "</TITLE></HEAD>\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\n<H2>" +
                     escapeMarkup(heading) + "</H2>\n";
  const std::size_t count = found.verses.size();
  std::string summary = found.outcome == search::Outcome::Found
                            ? "Nalezeno: " + czechCount(static_cast<long long>(count), "verš", "verše", "veršů") +
                                  " v Bibli " + czechQuoted(bibleName) + "."
                            : found.message;
  if (count > MaxListedResults)
    summary += " Uvedeno je prvních " + std::to_string(MaxListedResults) + "; hledání můžete upřesnit.";
  html += "<P><B>" + escapeMarkup(summary) + "</B></P>\n";
  for (const std::string& note : found.notes)
    html += std::string("<P><FONT COLOR=\"") + kQuietColour + "\">" + escapeMarkup(note) + "</FONT></P>\n";
  for (std::size_t i = 0; i < std::min(count, MaxListedResults); ++i) {
    const FoundVerse& verse = found.verses[i];
    if (!verse.book) continue;
    const std::string reference = shortReference(*verse.book, verse.chapter, verse.verse);
    html += "<P><A HREF=\"" + escapeMarkup(ResultLink + reference) + "\">" + escapeMarkup(reference) + "</A> " +
            withBoldWords(verse) + "</P>\n";
  }
  return html + "</BODY></HTML>\n";
}

std::string referenceOfLink(const std::string& address) {
  const std::string_view prefix(ResultLink);
  return address.starts_with(prefix) ? address.substr(prefix.size()) : "";
}

}  // namespace tavra::bible
