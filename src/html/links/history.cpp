#include "html/links/history.h"

namespace tavra {

void THistory::SetMaxCount(int value) {
  if (value < 0 || value == maxCount_) return;
  if (value < maxCount_) ClearHistory();
  maxCount_ = value;
}

void THistory::PushHistory(const HistoryEntry& old, const HistoryEntry& current) {
  if (maxCount_ < 1 || current.File.empty()) return;
  if (old.File == current.File && old.Kind == current.Kind && old.Tag == current.Tag) return;
  if (!HistoryFiles.empty() && !old.File.empty()) {
    // Returning to the document being left brings the reader back to where they left it.
    HistoryFiles[0] = old.File;
    HistoryTitles[0] = old.Title;
    HistoryPositions[0] = PositionObj{old.Tag, old.Kind};
  }
  HistoryFiles.insert(HistoryFiles.begin(), current.File);
  HistoryTitles.insert(HistoryTitles.begin(), current.Title);
  HistoryPositions.insert(HistoryPositions.begin(), PositionObj{current.Tag, current.Kind});
  if (Count() > maxCount_) {
    HistoryFiles.erase(HistoryFiles.begin() + maxCount_);
    HistoryTitles.erase(HistoryTitles.begin() + maxCount_);
    HistoryPositions.erase(HistoryPositions.begin() + maxCount_);
  }
  if (OnHistoryChange) OnHistoryChange();
}

void THistory::ClearHistory() {
  bool had = !HistoryFiles.empty();
  HistoryFiles.clear();
  HistoryTitles.clear();
  HistoryPositions.clear();
  if (had && OnHistoryChange) OnHistoryChange();
}

}  // namespace tavra
