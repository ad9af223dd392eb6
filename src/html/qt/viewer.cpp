#include "html/qt/viewer.h"

#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <algorithm>
#include <chrono>

#include "html/display_palette.h"
#include "html/image_cache.h"
#include "html/image_obj.h"
#include "html/text_section.h"
#include "html/link_paths.h"
#include "html/placeholder_images.h"
#include "html/qt/form_widgets.h"
#include "platform/file_system.h"
#include "platform/qt/painter_canvas.h"

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

// The border box draws only its one-pixel frame; the mouse passes through it.
class BorderBox : public QWidget {
 public:
  explicit BorderBox(ThtmlViewer* viewer) : QWidget(viewer), viewer_(viewer) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PainterCanvas canvas(painter, width(), height());
    bool dark = (viewer_->BorderStyle() == htFocused && viewer_->hasFocus()) || viewer_->BorderStyle() == htSingle;
    canvas.setPen(dark ? clBtnText : (viewer_->PaintPanel()->Color | kPaletteRelative));
    canvas.setBrushNull();
    canvas.rectangle(Rect{0, 0, width(), height()});
  }

 private:
  ThtmlViewer* viewer_;
};

}  // namespace

QCursor HandQCursor() { return cursorFrom(HandCursor()); }
QCursor IBeamQCursor() { return cursorFrom(IBeamCursor()); }

ThtmlViewer::ThtmlViewer(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);
  resize(150, 150);

  borderBox_ = new BorderBox(this);
  borderBox_->setGeometry(0, 0, width(), height());

  panel_ = new TPaintPanel(this);
  panel_->move(1, 1);
  panel_->OnPaintDocument = [this](Canvas& canvas) { PaintDocument(canvas); };

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

  document_ = std::make_unique<TSectionList>(this, panel_);
  document_->ImagesOn = false;
  document_->OnBackgroundChange = [this](TSectionList& document) { BackgroundChanged(document); };
  document_->OnControlFocus = [this](InlineControl* control) { ScrollControlIntoView(control); };
  // Anchors must not point into a block that layout throws away.
  document_->OnBlockDropped = [this](const TSectionBase& block) {
    for (auto it = anchorNames_.begin(); it != anchorNames_.end();)
      it = block.Contains(it->second) ? anchorNames_.erase(it) : std::next(it);
  };
  document_->ExpandImageName = [this](const std::string& name) { return ResolveLinkPath(name); };
  document_->FetchBitmap = [this](const std::string& name, bool& pending) {
    return FetchBackgroundBitmap(*document_, name, pending);
  };
  document_->ReleaseImage = [](const std::string& name) { ImageCache().ReleaseImage(name); };

  widgetFactory_ = std::make_unique<QtFormWidgetFactory>(panel_);
  formHost_.Widgets = widgetFactory_.get();
  formHost_.ObjectClick = [this](TFormControlObj& control, const std::string& onClick) {
    if (OnObjectClick) OnObjectClick(this, &control, onClick);
  };

  history_.OnHistoryChange = [this] {
    if (OnHistoryChange) OnHistoryChange(this);
  };

  borderBox_->raise();

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

// --- events installed on the document

void ThtmlViewer::SetOnImageRequest(TImageRequestEvent handler) {
  onImageRequest_ = handler;
  document_->OnImageRequest = std::move(handler);
}

void ThtmlViewer::SetOnScript(TScriptEvent handler) {
  onScript_ = handler;
  document_->ScriptEvent = std::move(handler);
}

void ThtmlViewer::SetOnFormSubmit(TFormSubmitEvent handler) {
  onFormSubmit_ = std::move(handler);
  if (!onFormSubmit_) {
    formHost_.Submit = nullptr;
    return;
  }
  // The submission reaches the application after the document's own click handling.
  formHost_.Submit = [this](const std::string& action, const std::string& target, const std::string& encType,
                            const std::string& method, std::vector<std::string> results) {
    QMetaObject::invokeMethod(
        this,
        [this, action, target, encType, method, results = std::move(results)]() mutable {
          ReportingErrors([&] {
            if (onFormSubmit_) onFormSubmit_(this, action, target, encType, method, results);
          });
        },
        Qt::QueuedConnection);
  };
}

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
  DrawBorder();
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
    document_->SelFrom = document_->SelTo = -1;
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

void ThtmlViewer::BackgroundChanged(TSectionList& document) {
  panel_->Color = document.BackgroundColor | kPaletteRelative;
}

void ThtmlViewer::ScrollControlIntoView(InlineControl* control) {
  auto* formControl = dynamic_cast<TFormControlObj*>(control);
  if (!formControl) return;
  int y = formControl->YValue, p = vBar_->Position;
  if (p <= y && y <= p + height() - 20) return;
  SetVScrollPos(y - height() / 2);
  update();
  panel_->update();
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

void ThtmlViewer::LoadDocument(const std::string& FileName, TDocumentKind Kind) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::size_t hash = FileName.find('#');
  std::string path = FileName.substr(0, hash);
  std::string anchor = hash == std::string::npos ? std::string() : FileName.substr(hash + 1, 255);
  refreshDelay_ = 0;
  SetBusy(true);
  if (!fileExists(path)) {
    QApplication::restoreOverrideCursor();
    SetBusy(false);
    throw InOutError(2, "Can't locate file: " + path);
  }
  std::string shownBefore = documentFile_;
  auto finish = [&] {
    documentFile_ = ExpandFileName(path);
    documentKind_ = Kind;
    FinishLoad();
    if (!anchor.empty()) {
      JumpToAnchor(anchor);
    } else if (documentFile_ != shownBefore) {
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
    document_->ClearDocument();
    ImageCache().AgeEntries();
    ApplyDocumentFonts();
    anchorNames_.clear();
    caretIndex_ = 0;
    dragAnchor_ = -1;
    auto start = std::chrono::steady_clock::now();
    ParseDocument(path, Kind);
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

void ThtmlViewer::ParseDocument(const std::string& path, TDocumentKind kind) {
  TMetaType onMeta = [this](ThtmlViewer*, const std::string& httpEq, const std::string& name,
                            const std::string& content) { MetaHandler(httpEq, name, content); };
  switch (kind) {
    case dkHtml:
      if (OnSoundRequest) OnSoundRequest(this, "", 0, true);
      parsed_ = ParseHtmlFile(*document_, anchorNames_, path, onMeta, OnSoundRequest, OnInclude, &formHost_);
      break;
    case dkText:
      parsed_ = ParseTextFile(*document_, anchorNames_, path);
      break;
    case dkImage: {
      std::string markup = ("<img src=\"" + path + "\">").substr(0, 255);
      parsed_ = ParseHtmlText(*document_, anchorNames_, markup.data(), markup.size(), onMeta, OnSoundRequest,
                              OnInclude, &formHost_);
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
    auto start = std::chrono::steady_clock::now();
    LayoutView();
    lastLayoutMs_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  } catch (...) {
    layoutInProgress_ = false;
    throw;
  }
  layoutInProgress_ = false;
}

void ThtmlViewer::Clear() {
  if (busy_) return;
  document_->ClearDocument();
  ApplyDocumentFonts();
  anchorNames_.clear();
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
}

bool ThtmlViewer::JumpToAnchor(const std::string& Name) {
  std::string name = !Name.empty() && Name[0] == '#' ? Name.substr(1) : Name;
  if (name.empty()) return false;
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; });
  auto anchor = anchorNames_.find(name);
  if (anchor == anchorNames_.end() || !anchor->second) return false;
  ScrollToY(anchor->second->TopY);
  hBar_->setValue(0);
  return true;
}

void ThtmlViewer::MetaHandler(const std::string& httpEq, const std::string& name, const std::string& content) {
  if (OnMeta) OnMeta(this, httpEq, name, content);
  if (!OnMetaRefresh) return;
  if (QString::fromLatin1(httpEq.c_str()).compare("refresh", Qt::CaseInsensitive) != 0) return;
  std::size_t semicolon = content.find(';');
  if (semicolon == std::string::npos) return;
  bool ok = false;
  int delay = QString::fromLatin1(content.substr(0, semicolon).c_str()).trimmed().toInt(&ok);
  if (!ok) delay = -1;
  std::string lower = content;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; });
  std::size_t url = lower.find("url=");
  if (delay > 0 && url != std::string::npos) {
    refreshUrl_ = content.substr(url + 4);
    refreshDelay_ = delay;
  }
}

}  // namespace tavra
