#include "html/qt/viewer.h"

#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <string_view>

#include "html/images/display_palette.h"
#include "html/images/image_cache.h"
#include "html/images/image_obj.h"
#include "html/document/text_section.h"
#include "html/links/link_paths.h"
#include "html/images/placeholder_images.h"
#include "html/qt/lazy_form_widgets.h"
#include "html/qt/viewer_accessibility.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/qt/painter_canvas.h"
#include "platform/qt/qt_timer.h"

namespace tavra {

namespace {

QCursor cursorFrom(const CursorPicture& picture) {
  QImage image(picture.image.width, picture.image.height, QImage::Format_ARGB32);
  for (int y = 0; y < picture.image.height; ++y)
    for (int x = 0; x < picture.image.width; ++x) {
      bool transparent = !picture.mask.empty() && picture.mask.at(x, y) != 0;
      image.setPixel(x, y, transparent ? 0u : (0xFF000000u | picture.image.at(x, y)));
    }
  return QCursor(QPixmap::fromImage(image), picture.hotX, picture.hotY);
}

// The delay of a META refresh is the text before ";" as it stands: an integer with an
// optional sign, nothing around it; anything else is -1, which asks for no refresh.
int refreshDelay(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int delay = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), delay);
  return error == std::errc() && end == text.data() + text.size() ? delay : -1;
}

}  // namespace

QCursor HandQCursor() { return cursorFrom(HandCursor()); }
QCursor IBeamQCursor() { return cursorFrom(IBeamCursor()); }

ThtmlViewer::ThtmlViewer(QWidget* parent, FontEngine& fonts) : QWidget(parent), fonts_(fonts) {
  installViewerAccessibility();
  // Tab reaches the document, and walks its links and controls from there.
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  resize(150, 150);

  panel_ = new TPaintPanel(this);
  panel_->move(1, 1);

  vBar_ = new T32ScrollBar(this);
  vBar_->hide();
  vBar_->setFocusPolicy(Qt::NoFocus);
  scrollBarSize_ = vBar_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, vBar_);
  connect(vBar_, &QAbstractSlider::actionTriggered, this, [this](int action) { VScrollAction(action); });

  hBar_ = new QScrollBar(Qt::Horizontal, this);
  hBar_->setSingleStep(15);
  hBar_->hide();
  hBar_->setFocusPolicy(Qt::NoFocus);
  connect(hBar_, &QAbstractSlider::valueChanged, this, [this](int value) { HScrollChanged(value); });
  // Only the user's own use of the bar takes the focus, not a position set by the program.
  connect(hBar_, &QAbstractSlider::actionTriggered, this, [this](int) { setFocus(); });

  widgetFactory_ = std::make_unique<LazyFormWidgetFactory>(panel_);
  widgetFactory_->SetOnWidgetsChanged([this] { emit readingChanged(false); });
  document_ = std::make_unique<TSectionList>(static_cast<DocumentHost&>(*this));
  document_->ImagesOn = false;

  history_.OnHistoryChange = [this] {
    if (OnHistoryChange) OnHistoryChange(this);
  };

  textCursor_ = IBeamQCursor();
  panel_->setCursor(textCursor_);
  SetDefBackground(clBtnFace);
  SetDefFontColor(clBtnText);
  SetDefHotSpotColor(0xFF0000);
  SetDefFontSize(12);
  SetDefFontName("Times New Roman");
  SetDefPreFontName("Courier New");
  SetImageCacheCount(5);
}

ThtmlViewer::~ThtmlViewer() {
  // The forms' widgets are children of the panel: the document lets go of them first.
  document_->ClearDocument();
}

// --- the document's host

std::unique_ptr<Timer> ThtmlViewer::CreateTimer() { return makeQtTimer(); }

std::int64_t ThtmlViewer::ClockMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ThtmlViewer::InvalidateDocumentRect(const Rect& rect) {
  const QRect onPanel =
      QRect(rect.left + DocumentLeft(), rect.top - vBar_->Position, rect.right - rect.left, rect.bottom - rect.top)
          .intersected(panel_->rect());
  if (!onPanel.isEmpty()) panel_->update(onPanel);
}

void ThtmlViewer::RequestImage(const std::string& source, std::string*& stream) {
  if (onImageRequest_) onImageRequest_(this, source, stream);
}

void ThtmlViewer::ReportProblem(const std::string& text) {
  // Layout reports while it runs; the user hears of it once the layout is done.
  QMetaObject::invokeMethod(
      this, [text] { showMessageBox(text, MessageButtons::Ok, MessageIcon::Error); }, Qt::QueuedConnection);
}

FormWidgetFactory* ThtmlViewer::FormWidgets() { return widgetFactory_.get(); }

void ThtmlViewer::SubmitForm(FormSubmission submission) {
  // The submission reaches the application after the document's own click handling.
  QMetaObject::invokeMethod(
      this,
      [this, submission = std::move(submission)]() mutable {
        runReportingErrors([&] {
          if (onFormSubmit_)
            onFormSubmit_(this, submission.Action, submission.Target, submission.EncType, submission.Method,
                          submission.Results);
        });
      },
      Qt::QueuedConnection);
}

void ThtmlViewer::ControlClicked(TFormControlObj& control, const std::string& onClickText) {
  if (OnObjectClick) OnObjectClick(this, &control, onClickText);
}

void ThtmlViewer::BackgroundChanged() { panel_->Color = document_->BackgroundColor | kPaletteRelative; }

void ThtmlViewer::BlockDropped(const TSectionBase& block) {
  // Anchors must not point into a block that layout throws away.
  for (auto it = anchorNames_.begin(); it != anchorNames_.end();)
    it = block.Contains(it->second) ? anchorNames_.erase(it) : std::next(it);
}

void ThtmlViewer::Meta(const std::string& httpEquiv, const std::string& name, const std::string& content) {
  MetaHandler(httpEquiv, name, content);
}

void ThtmlViewer::Sound(const std::string& source, int loop, bool terminate) {
  if (OnSoundRequest) OnSoundRequest(this, source, loop, terminate);
}

void ThtmlViewer::Script(const std::string& language, std::string script) {
  if (onScript_) onScript_(this, language, std::move(script));
}

void ThtmlViewer::Include(const std::string& command, std::vector<std::string>& params, const char*& buffer,
                          int& size) {
  if (OnInclude) OnInclude(this, command, params, buffer, size);
}

// --- events the document raises itself

void ThtmlViewer::SetOnImageRequest(TImageRequestEvent handler) { onImageRequest_ = std::move(handler); }

void ThtmlViewer::SetOnScript(TScriptEvent handler) { onScript_ = std::move(handler); }

void ThtmlViewer::SetOnFormSubmit(TFormSubmitEvent handler) { onFormSubmit_ = std::move(handler); }

// --- properties

void ThtmlViewer::SetViewImages(bool value) {
  if (value == document_->ImagesOn || busy_) return;
  RunBusyWithWaitCursor([&] {
    document_->ImagesOn = value;
    if (document_->Count() > 0) {
      document_->BackgroundImage();
      int tag = GetPositionTag();
      LayoutView();
      SetPositionTag(tag);
      update();
      panel_->update();
    }
  });
}

void ThtmlViewer::RunBusyWithWaitCursor(const std::function<void()>& work) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SetBusy(true);
  try {
    work();
  } catch (...) {
    QApplication::restoreOverrideCursor();
    SetBusy(false);
    throw;
  }
  QApplication::restoreOverrideCursor();
  SetBusy(false);
}

void ThtmlViewer::SetDefBackground(ColorRef value) {
  if (busy_) return;
  defBackground_ = value;
  document_->SetBackgroundColor(value);
  panel_->Color = value;
  update();
  panel_->update();
}

void ThtmlViewer::SetBorderStyle(THTMLBorderStyle value) {
  borderStyle_ = value;
  update();
}

void ThtmlViewer::ApplyDocumentFonts() {
  document_->SetDocumentFonts(defFontName_, defPreFontName_, defFontSize_, defFontColor_, defHotSpotColor_,
                              defBackground_);
}

void ThtmlViewer::RelayoutKeepingPosition() {
  if (document_->Count() == 0) return;
  int tag = GetPositionTag();
  LayoutView();
  SetPositionTag(tag);
}

void ThtmlViewer::FontsChanged() {
  document_->RefreshFonts();
  RelayoutKeepingPosition();
  update();
  panel_->update();
}

void ThtmlViewer::SetDefFontName(const std::string& value) {
  std::string name = value.substr(0, TSectionList::MaxFontNameLength);
  if (!defFontName_.empty() && QString::fromStdString(name).compare(QString::fromStdString(document_->FontName),
                                                                     Qt::CaseInsensitive) == 0)
    return;
  defFontName_ = value;
  document_->FontName = name;
  FontsChanged();
}

void ThtmlViewer::SetDefPreFontName(const std::string& value) {
  std::string name = value.substr(0, TSectionList::MaxFontNameLength);
  if (!defPreFontName_.empty() && QString::fromStdString(name).compare(
                                      QString::fromStdString(document_->PreFontName), Qt::CaseInsensitive) == 0)
    return;
  defPreFontName_ = value;
  document_->PreFontName = name;
  FontsChanged();
}

void ThtmlViewer::SetDefFontSize(int value) {
  defFontSize_ = std::max(value, 6);
  document_->FontSize = defFontSize_;
  FontsChanged();
}

void ThtmlViewer::SetDefFontColor(ColorRef value) {
  defFontColor_ = value;
  document_->FontColor = value;
  document_->RefreshFonts();
  update();
  panel_->update();
}

void ThtmlViewer::SetDefHotSpotColor(ColorRef value) {
  defHotSpotColor_ = value;
  document_->LinkColor = value;
  document_->RefreshFonts();
  update();
  panel_->update();
}

void ThtmlViewer::SetImageCacheCount(int value) {
  value = std::clamp(value, 0, 20);
  if (value == imageCacheCount_) return;
  imageCacheCount_ = value;
  ImageCache().SetIdleLimit(value);
}

void ThtmlViewer::SetNoSelect(bool value) {
  noSelect_ = value;
  if (value) {
    selFrom_ = selTo_ = -1;
    update();
    panel_->update();
  }
}

void ThtmlViewer::SetScrollBars(TScrollStyle value) {
  scrollBars_ = value;
  if (busy_) return;
  SetBusy(true);
  try {
    LayoutView();
  } catch (...) {
    SetBusy(false);
    throw;
  }
  SetBusy(false);
  update();
  panel_->update();
}

void ThtmlViewer::SetCharSet(std::uint8_t value) {
  charSet_ = value;
  document_->Charset = value;
  FontsChanged();
}

void ThtmlViewer::SetMarginValue(int& field, int value) {
  if (value < 0 || value > 50 || value == field || busy_) return;
  RunBusyWithWaitCursor([&] {
    field = value;
    if (document_->Count() > 0) {
      RelayoutKeepingPosition();
      update();
      panel_->update();
    }
  });
}

void ThtmlViewer::SetMarginHeight(int value) { SetMarginValue(marginHeight_, value); }
void ThtmlViewer::SetMarginWidth(int value) { SetMarginValue(marginWidth_, value); }

void ThtmlViewer::SetServerRoot(const std::string& value) { serverRoot_ = ServerRootValue(value); }

void ThtmlViewer::SetTextCursor(const QCursor& cursor) {
  textCursor_ = cursor;
  panel_->setCursor(cursor);
}

void ThtmlViewer::SetBusy(bool value) {
  if (value == busy_) return;
  busy_ = value;
  if (OnProcessing) OnProcessing(this, value);
}

void ThtmlViewer::ScrollControlIntoView(InlineControl* control) {
  auto* formControl = dynamic_cast<TFormControlObj*>(control);
  if (!formControl) return;
  int y = formControl->YValue, p = vBar_->Position;
  if (p <= y && y <= p + height() - 20) return;
  SetVScrollPos(y - height() / 2);
}

const PaletteTable* ThtmlViewer::Palette() {
  update();
  return DisplayPalette();
}

// --- loading

void ThtmlViewer::LoadFromFile(const std::string& FileName) {
  if (busy_ || FileName.empty()) return;
  HistoryEntry old = CurrentEntry();
  LoadDocument(FileName, dkHtml);
  if (documentFile_ != old.File || documentKind_ != old.Kind) PushHistory(old.File, old.Title, old.Kind, old.Tag);
}

void ThtmlViewer::LoadImageDocument(const std::string& FileName) {
  if (busy_ || FileName.empty()) return;
  HistoryEntry old = CurrentEntry();
  LoadDocument(FileName, dkImage);
  if (documentFile_ != old.File || documentKind_ != old.Kind) PushHistory(old.File, old.Title, old.Kind, old.Tag);
}

void ThtmlViewer::LoadTextFile(const std::string& FileName) {
  if (busy_ || FileName.empty()) return;
  HistoryEntry old = CurrentEntry();
  LoadDocument(FileName, dkText);
  if (documentFile_ != old.File || documentKind_ != old.Kind) PushHistory(old.File, old.Title, old.Kind, old.Tag);
}

HistoryEntry ThtmlViewer::CurrentEntry() const {
  return HistoryEntry{documentFile_, documentTitle_, documentKind_, GetPositionTag()};
}

void ThtmlViewer::LoadFromString(const std::string& Html, const std::string& Anchor) {
  if (busy_) return;
  LoadParsed("", dkHtml, Anchor, [&] {
    try {
      parsed_ = ParseHtmlText(*document_, anchorNames_, Html.data(), Html.size());
    } catch (const EParseError&) {
      // As for a file: a comment left open keeps what was built before it.
    }
  });
}

void ThtmlViewer::LoadDocument(const std::string& FileName, TDocumentKind Kind) {
  std::size_t hash = FileName.find('#');
  std::string path = FileName.substr(0, hash);
  std::string anchor = hash == std::string::npos ? std::string() : FileName.substr(hash + 1, 255);
  if (!fileExists(path)) {
    // The attempt is a load like any other for whoever watches the viewer's work.
    SetBusy(true);
    SetBusy(false);
    throw InOutError(2, "Can't locate file: " + path);
  }
  LoadParsed(ExpandFileName(path), Kind, anchor, [&] { ParseDocument(path, Kind); });
}

void ThtmlViewer::LoadParsed(const std::string& file, TDocumentKind Kind, const std::string& anchor,
                             const std::function<void()>& parse) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  refreshDelay_ = 0;
  SetBusy(true);
  std::string shownBefore = documentFile_;
  pendingAnchor_ = anchor;
  auto finish = [&] {
    documentFile_ = file;
    documentKind_ = Kind;
    FinishLoad();
    if (!anchor.empty()) {
      JumpToAnchor(anchor);
    } else if (documentFile_ != shownBefore || file.empty()) {
      ScrollToY(0);
      hBar_->setValue(0);
    }
    panel_->update();
  };
  auto restore = [this] {
    QApplication::restoreOverrideCursor();
    SetBusy(false);
  };
  try {
    parsed_ = TParseResults();
    ForgetReading();
    document_->ClearDocument();
    ImageCache().AgeEntries();
    ApplyDocumentFonts();
    anchorNames_.clear();
    caretIndex_ = 0;
    selFrom_ = selTo_ = 0;
    dragAnchor_ = -1;
    auto start = std::chrono::steady_clock::now();
    parse();
    deliverControlRequests();
    lastParseMs_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  } catch (...) {
    try {
      finish();
    } catch (...) {
      restore();
      throw;
    }
    restore();
    throw;
  }
  try {
    finish();
  } catch (...) {
    restore();
    throw;
  }
  restore();
  if (refreshDelay_ > 0 && OnMetaRefresh) OnMetaRefresh(this, refreshDelay_, refreshUrl_);
}

// Every new form control (and each of its inner widgets) has a polish and a layout
// request posted. Delivered now, one pass over the queue for each kind, they are gone
// before a control is deleted; otherwise each deletion searched the whole queue for its
// own, which made clearing a document with many controls quadratic.
void ThtmlViewer::deliverControlRequests() {
  if (document_->FormControls.empty()) return;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void ThtmlViewer::ParseDocument(const std::string& path, TDocumentKind kind) {
  switch (kind) {
    case dkHtml:
      if (OnSoundRequest) OnSoundRequest(this, "", 0, true);
      parsed_ = ParseHtmlFile(*document_, anchorNames_, path);
      break;
    case dkText:
      parsed_ = ParseTextFile(*document_, anchorNames_, path);
      break;
    case dkImage: {
      // The picture's source is resolved against the document's own folder once it is
      // shown, so a relative path with a folder would name that folder twice.
      std::string markup = ("<img src=\"" + ExpandFileName(path) + "\">").substr(0, 255);
      parsed_ = ParseHtmlText(*document_, anchorNames_, markup.data(), markup.size());
      break;
    }
  }
}

void ThtmlViewer::FinishLoad() {
  documentTitle_ = parsed_.ParsedTitle;
  documentBase_ = parsed_.ParsedBase;
  documentBaseTarget_ = parsed_.ParsedBaseTarget;
  layoutInProgress_ = true;
  try {
    document_->BackgroundImage();
    layoutPending_ = layoutWhenFirstShown_ && !shownOnce_;
    if (!layoutPending_) {
      auto start = std::chrono::steady_clock::now();
      LayoutView();
      lastLayoutMs_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
  } catch (...) {
    layoutInProgress_ = false;
    throw;
  }
  layoutInProgress_ = false;
  AnnounceDocument();
}

void ThtmlViewer::Clear() {
  if (busy_) return;
  ForgetReading();
  document_->ClearDocument();
  ApplyDocumentFonts();
  anchorNames_.clear();
  selFrom_ = selTo_ = 0;
  documentBase_.clear();
  documentBaseTarget_.clear();
  documentTitle_.clear();
  vBar_->SetMax(0);
  vBar_->hide();
  vBar_->resize(vBar_->width(), panel_->height());
  hBar_->hide();
  caretIndex_ = 0;
  dragAnchor_ = -1;
  if (OnSoundRequest) OnSoundRequest(this, "", 0, true);
  update();
  panel_->update();
  AnnounceDocument();
}

bool ThtmlViewer::JumpToAnchor(const std::string& Name) {
  const std::string name = AnchorKey(!Name.empty() && Name[0] == '#' ? Name.substr(1) : Name);
  if (name.empty()) return false;
  auto anchor = anchorNames_.find(name);
  if (anchor == anchorNames_.end() || !anchor->second) return false;
  ScrollToY(anchor->second->TopY);
  hBar_->setValue(0);
  return true;
}

void ThtmlViewer::MetaHandler(const std::string& httpEq, const std::string& name, const std::string& content) {
  if (OnMeta) OnMeta(this, httpEq, name, content);
  if (!OnMetaRefresh) return;
  if (!ascii::equalIgnoringCase(httpEq, "refresh")) return;
  std::size_t semicolon = content.find(';');
  if (semicolon == std::string::npos) return;
  const int delay = refreshDelay(std::string_view(content).substr(0, semicolon));
  std::size_t url = ascii::lower(content).find("url=");
  if (delay > 0 && url != std::string::npos) {
    refreshUrl_ = content.substr(url + 4);
    refreshDelay_ = delay;
  }
}

}  // namespace tavra
