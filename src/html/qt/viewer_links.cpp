// Following a clicked link: the application's chance to take it, the local path it
// names, a jump inside the document or the load of another file, and the history.

#include <algorithm>

#include "html/links/link_paths.h"
#include "html/qt/viewer.h"
#include "platform/ascii.h"

namespace tavra {

bool ThtmlViewer::LinkClickHandled() {
  bool handled = false;
  if (OnHotSpotClick) OnHotSpotClick(this, hoverUrl_, handled);
  return handled;
}

std::string ThtmlViewer::ResolveLinkPath(const std::string& Name) const {
  return tavra::ResolveLinkPath(Name, LinkContext{serverRoot_, documentBase_, documentFile_});
}

void ThtmlViewer::PushHistory(const std::string& OldFile, const std::string& OldTitle, TDocumentKind OldKind,
                              int OldTag) {
  history_.PushHistory(HistoryEntry{OldFile, OldTitle, OldKind, OldTag}, CurrentEntry());
}

void ThtmlViewer::FollowLink() {
  if (LinkClickHandled()) return;
  const int oldTag = GetPositionTag();
  const std::string url = hoverUrl_;
  if (!url.empty() && url[0] == '#') {
    if (JumpToAnchor(url)) PushHistory(documentFile_, documentTitle_, documentKind_, oldTag);
    return;
  }
  std::size_t hash = url.find('#');
  std::string dest = hash == std::string::npos ? std::string() : url.substr(hash, 255);
  std::string s = ResolveLinkPath(url.substr(0, hash));
  std::size_t dot = s.rfind('.');
  std::size_t slash = s.rfind('/');
  std::string ext = dot == std::string::npos || (slash != std::string::npos && dot < slash)
                        ? std::string()
                        : ascii::upper(std::string_view(s).substr(dot), 5);
  if (ext == ".HTM" || ext == ".HTML") {
    if (s != documentFile_)
      LoadFromFile(s + dest);
    else if (JumpToAnchor(dest))
      PushHistory(documentFile_, documentTitle_, dkHtml, oldTag);
  } else if (ext == ".BMP" || ext == ".GIF" || ext == ".JPG" || ext == ".JPEG" || ext == ".PNG") {
    LoadImageDocument(s);
  }
}

}  // namespace tavra
