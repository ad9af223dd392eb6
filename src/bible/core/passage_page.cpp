#include "bible/core/passage_page.h"

#include "platform/markup.h"

namespace tavra::bible {

namespace {

bool spansChapters(const std::vector<Verse>& verses) {
  for (const Verse& verse : verses)
    if (verse.book != verses.front().book || verse.chapter != verses.front().chapter) return true;
  return false;
}

// The colours of the page: the text, the verse numbers, the Bible's line and the marked
// passage's ground.
constexpr const char* kNumberColour = "#A01010";
constexpr const char* kQuietColour = "#505050";
constexpr const char* kMarkColour = "#FFF0B0";

}  // namespace

std::string chapterName(const BookInfo& book, int chapter) {
  return std::string(book.czechName) + " " + std::to_string(chapter);
}

std::string pageHtml(const Page& page) {
  std::string html =
      "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\"><TITLE>" +
      escapeMarkup(page.heading) + "</TITLE></HEAD>\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\n<H2>" +
      escapeMarkup(page.heading) + "</H2>\n";
  if (!page.bible.empty())
    html += std::string("<FONT COLOR=\"") + kQuietColour + "\">" + escapeMarkup(page.bible) + "</FONT>\n";
  if (!page.message.empty()) html += "<P><B>" + escapeMarkup(page.message) + "</B></P>\n";

  const bool chapters = spansChapters(page.verses);
  bool open = false, openMarked = false, anchored = false;
  const Verse* previous = nullptr;
  auto close = [&] {
    if (open) html += openMarked ? "</TD></TR></TABLE>\n" : "</P>\n";
    open = false;
  };
  for (std::size_t i = 0; i < page.verses.size(); ++i) {
    const Verse& verse = page.verses[i];
    const bool marked = i < page.marked.size() && page.marked[i];
    const bool newChapter = !previous || previous->book != verse.book || previous->chapter != verse.chapter;
    const bool gap = !newChapter && previous->verse + 1 != verse.verse;
    if (!open || newChapter || gap || verse.paragraph || marked != openMarked) {
      close();
      if (newChapter && chapters && verse.book)
        html += "<P><B>" + escapeMarkup(chapterName(*verse.book, verse.chapter)) + "</B></P>\n";
      if (marked && !anchored) {
        html += std::string("<A NAME=\"") + PassageAnchor + "\"></A>";
        anchored = true;
      }
      html += marked ? std::string("<TABLE WIDTH=\"100%\" BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"4\"><TR><TD BGCOLOR=\"") +
                           kMarkColour + "\">"
                     : std::string("<P>");
      open = true;
      openMarked = marked;
    }
    html += std::string("<SUP><FONT COLOR=\"") + kNumberColour + "\"><B>" + std::to_string(verse.verse) +
            "</B></FONT></SUP>&nbsp;" + escapeMarkup(verse.text) + "\n";
    previous = &verse;
  }
  close();
  html += "</BODY></HTML>\n";
  return html;
}

std::string pageText(const Page& page, const std::string& bibleShortName) {
  std::string text = page.heading;
  if (!bibleShortName.empty()) text += " (" + bibleShortName + ")";
  text += '\n';
  const bool chapters = spansChapters(page.verses);
  for (const Verse& verse : page.verses) {
    if (chapters) text += std::to_string(verse.chapter) + ",";
    text += std::to_string(verse.verse) + " " + verse.text + "\n";
  }
  return text;
}

}  // namespace tavra::bible
