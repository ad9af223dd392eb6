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

  // What is shown.
  const Page& page() const { return page_; }
  const Notice& notice() const { return notice_; }
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
};

}  // namespace tavra::bible
