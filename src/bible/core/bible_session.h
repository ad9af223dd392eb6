#pragma once
// What the Bible viewer shows and does, without a window: the library, the reference, the
// chosen Bible (kept by name; the library's list changes after an installation), the
// chapter shown whole, the text's size, and the notice above the page. The window draws
// what the session says and passes the user's commands on; the viewer's start and its
// command line choose the Bible by the same rule (lookUp).

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bible/core/bible_library.h"
#include "bible/core/bible_settings.h"
#include "bible/core/command_line.h"
#include "bible/core/passage_page.h"
#include "bible/core/search_page.h"

namespace tavra::bible {

// A line above the page, and whether it asks for an installation.
struct Notice {
  std::string text;  // "" for none
  bool offerInstall = false;
};

class BibleSession {
 public:
  static constexpr int DefaultFontSize = 14;

  BibleSession(std::unique_ptr<BibleLibrary> library, BibleSettings& settings);

  // Shows `reference` in the Bible `moduleName` ("" for the user's choice), looked up now
  // or, by lookUp with the same settings, before.
  void open(const std::string& reference, const std::string& moduleName);
  void open(const std::string& reference, const std::string& moduleName, Lookup found);

  // The user's commands. Each answers whether what is shown changed.
  bool stepChapter(int step);  // -1 the chapter before, +1 the one after
  bool setWholeChapter(bool whole);
  bool chooseBible(int index);  // an index of bibles(); kept in the settings
  bool zoom(int steps);         // a size larger or smaller; 0 the default size

  // The library found the modules again after an installation: the new Bible that holds
  // the passage, a Czech one first, becomes the user's choice.
  void installed();

  // A search's results in `bible` become the page. A result followed shows its passage in
  // that Bible, and back() returns to the results from there.
  void showResults(const std::string& query, const BibleInfo& bible, const BibleSearch& found);
  bool followResult(const std::string& address);  // false for an address that is no result
  // Searches `moduleName` ("" for the user's choice) within `scope` (as --scope takes it)
  // here and now and shows the results; false, with the page saying why, when it cannot.
  bool searchNow(const std::string& query, const std::string& moduleName, const std::string& scope);
  bool back();
  bool canGoBack() const { return !savedResults_.html.empty() && results_.html.empty(); }
  bool showingResults() const { return !results_.html.empty(); }
  // The folder of the library (BibleLibrary(folder) reads the same modules on another
  // thread) and the Bible a search reads: the one shown, else the user's choice.
  const std::string& libraryFolder() const { return library_->folder(); }
  std::optional<BibleInfo> bibleToSearch() const;

  // What is shown.
  const Page& page() const { return page_; }
  const Notice& notice() const { return notice_; }
  // The page for the viewer (the passage or the results) and its heading.
  std::string html() const;
  std::string title() const;
  // The page's anchor to scroll to: the marked passage in a whole chapter.
  std::string anchor() const;
  bool passageShown() const;
  bool wholeChapter() const { return wholeChapter_; }
  const std::vector<BibleInfo>& bibles() const { return library_->bibles(); }
  // The shown Bible's index in bibles(); -1 for none.
  int chosenIndex() const;
  const BibleInfo* bible() const { return lookup_.bible ? &*lookup_.bible : nullptr; }
  int fontSize() const { return fontSize_; }

  // The text copied: the heading with the Bible's short name, then the selection (UTF-8,
  // as the viewer gives it) or, with none, the whole passage; "" when there is nothing.
  std::string copiedText(const std::string& selection) const;

 private:
  void lookUpAgain();
  void show(Lookup found);
  void rebuild();
  void rebuildChapter();
  Notice noticeFor() const;
  std::string otherBibleHolding() const;

  std::unique_ptr<BibleLibrary> library_;
  BibleSettings& settings_;
  std::string reference_;
  std::string module_;  // the Bible asked for, by the command line or the chooser
  Lookup lookup_;
  bool wholeChapter_ = false;
  const BookInfo* chapterBook_ = nullptr;  // the chapter shown whole
  int chapter_ = 0;
  int fontSize_;
  Page page_;
  Notice notice_;
  struct Results {
    std::string html, title, bible;  // the Bible by its module name
  };
  Results results_;       // shown in place of the passage while its html is not empty
  Results savedResults_;  // the results a followed link left
};

}  // namespace tavra::bible
