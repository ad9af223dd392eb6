#pragma once
// The viewer's history of visited documents: three parallel lists, most recent first;
// entry 0 describes the document on screen.

#include <functional>
#include <string>
#include <vector>

namespace tavra {

enum TDocumentKind { dkHtml = 0, dkText = 1, dkImage = 2 };

// One history position: where the reader was, and what kind of document it was.
struct PositionObj {
  int ScrollTag = 0;
  TDocumentKind Kind = dkHtml;
};

// What the viewer shows now, as the history needs it.
struct HistoryEntry {
  std::string File;
  std::string Title;
  TDocumentKind Kind = dkHtml;
  int Tag = 0;
};

class THistory {
 public:
  std::vector<std::string> HistoryFiles;
  std::vector<std::string> HistoryTitles;
  std::vector<PositionObj> HistoryPositions;
  std::function<void()> OnHistoryChange;

  int Count() const { return int(HistoryFiles.size()); }
  int MaxCount() const { return maxCount_; }
  // Negative values and the current one are ignored; a smaller one empties the history.
  void SetMaxCount(int value);
  // After a change of document or position: `old` is what was left, `current` what is
  // shown now.
  void PushHistory(const HistoryEntry& old, const HistoryEntry& current);
  void ClearHistory();

 private:
  int maxCount_ = 0;
};

}  // namespace tavra
