#pragma once
// The HTML viewer control: a widget that shows one document read from a local file (an
// HTML file, a plain text file or a single picture), lays it out to its width, paints it
// double-buffered, scrolls, selects text, follows links between local files and keeps a
// history of the documents visited. Names it hands out (addresses, files, titles, the
// texts of events) are UTF-8; key presses are Windows-1250 bytes, as they always were.

#include <QPointer>
#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "html/parse/builder.h"
#include "html/images/display_palette.h"
#include "html/document_host.h"
#include "html/forms/forms.h"
#include "html/links/history.h"
#include "html/document/section_list.h"
#include "html/reading_text.h"
#include "html/parse/tokenizer.h"
#include "platform/qt/painter_canvas.h"

class QPainter;

namespace tavra {

class ThtmlViewer;
class LazyFormWidgetFactory;

enum THTMLBorderStyle { htFocused, htNone, htSingle };

// The viewer's events of a parse, with the viewer that raised them.
// The host delivers a picture's bytes in `Stream` (left null: load from the file).
using TImageRequestEvent = std::function<void(ThtmlViewer* Sender, const std::string& SRC, std::string*& Stream)>;
// An include directive: see DocumentHost::Include.
using TIncludeType = std::function<void(ThtmlViewer* Sender, const std::string& Command,
                                        std::vector<std::string>& Params, const char*& Buffer, int& BuffSize)>;
using TSoundType = std::function<void(ThtmlViewer* Sender, const std::string& SRC, int Loop, bool Terminate)>;
using TMetaType = std::function<void(ThtmlViewer* Sender, const std::string& HttpEq, const std::string& Name,
                                     const std::string& Content)>;
// The script text is handed over; the handler owns it.
using TScriptEvent = std::function<void(ThtmlViewer* Sender, const std::string& Language, std::string Script)>;
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// What lies under a right click.
struct TRightClickParameters {
  std::string ClickURL;
  std::string ClickTarget;
  InlineImage* ImageObject = nullptr;
  int PointX = 0;  // inside the image
  int PointY = 0;
};

// The document surface.
class TPaintPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TPaintPanel(ThtmlViewer* viewer);

  ThtmlViewer* Viewer;
  ColorRef Color = clBtnFace;

  // The background of the clip rectangle of `canvas`: the tiled picture, else the colour.
  void PaintBackground(Canvas& canvas) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // Passes a mouse event on to the widget just made under a clicked picture.
  bool forwardToControl(QMouseEvent* event);
  QPointer<QWidget> mouseTarget_;
};

// The vertical bar keeps its own position, range and page, as the window it stands for
// is told them all at once.
class T32ScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit T32ScrollBar(QWidget* parent);

  int Position = 0;
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int SmallChange = 16;
  int LargeChange = 1;
  int ParamsCalls = 0;  // changes actually passed to the window

  void SetParams(int position, int page, int max, int min);
  void SetPosition(int p) { SetParams(p, Page, Max, Min); }
  void SetMax(int m) { SetParams(Position, Page, m, Min); }
};

// The viewer is its document's host: it gives the engine fonts, timers, pictures, form
// widgets and the user's attention, and repaints what the document says has changed.
class ThtmlViewer : public QWidget, private DocumentHost {
  Q_OBJECT

 public:
  // Text is measured with `fonts`: the toolkit's unless a test asks for fixed metrics.
  explicit ThtmlViewer(QWidget* parent = nullptr, FontEngine& fonts = toolkitFonts());
  ~ThtmlViewer() override;

  // --- events
  std::function<void(ThtmlViewer*, const std::string& SRC)> OnHotSpotCovered;
  std::function<void(ThtmlViewer*, const std::string& SRC, bool& Handled)> OnHotSpotClick;
  std::function<void(ThtmlViewer*)> OnHistoryChange;
  std::function<void(ThtmlViewer*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)> OnMouseDown;
  std::function<void(ThtmlViewer*, Qt::KeyboardModifiers, int X, int Y)> OnMouseMove;
  std::function<void(ThtmlViewer*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)> OnMouseUp;
  std::function<void(ThtmlViewer*, int& Key, Qt::KeyboardModifiers)> OnKeyDown;
  std::function<void(ThtmlViewer*, int& Key, Qt::KeyboardModifiers)> OnKeyUp;
  std::function<void(ThtmlViewer*, char& Key)> OnKeyPress;
  std::function<void(ThtmlViewer*)> OnEnter;
  std::function<void(ThtmlViewer*, bool ProcessingOn)> OnProcessing;
  TIncludeType OnInclude;
  TSoundType OnSoundRequest;
  TMetaType OnMeta;
  std::function<void(ThtmlViewer*, int Delay, const std::string& URL)> OnMetaRefresh;
  std::function<void(ThtmlViewer*, InlineImage* Obj, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)>
      OnImageClick;
  std::function<void(ThtmlViewer*, InlineImage* Obj, Qt::KeyboardModifiers, int X, int Y)> OnImageOver;
  std::function<void(ThtmlViewer*, TFormControlObj* Obj, const std::string& OnClick)> OnObjectClick;
  std::function<void(ThtmlViewer*, const TRightClickParameters& Parameters)> OnRightClick;

  using TFormSubmitEvent = std::function<void(ThtmlViewer*, const std::string& Action, const std::string& Target,
                                              const std::string& EncType, const std::string& Method,
                                              std::vector<std::string>& Results)>;
  // Events that the document raises itself are installed on it when assigned.
  void SetOnImageRequest(TImageRequestEvent handler);
  void SetOnScript(TScriptEvent handler);
  void SetOnFormSubmit(TFormSubmitEvent handler);

  // --- published properties
  bool ViewImages() const { return document_->ImagesOn; }
  void SetViewImages(bool value);
  ColorRef DefBackground() const { return defBackground_; }
  void SetDefBackground(ColorRef value);
  THTMLBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(THTMLBorderStyle value);
  int HistoryMaxCount() const { return history_.MaxCount(); }
  void SetHistoryMaxCount(int value) { history_.SetMaxCount(value); }
  const std::string& DefFontName() const { return defFontName_; }
  void SetDefFontName(const std::string& value);
  const std::string& DefPreFontName() const { return defPreFontName_; }
  void SetDefPreFontName(const std::string& value);
  int DefFontSize() const { return defFontSize_; }
  void SetDefFontSize(int value);
  ColorRef DefFontColor() const { return defFontColor_; }
  void SetDefFontColor(ColorRef value);
  ColorRef DefHotSpotColor() const { return defHotSpotColor_; }
  void SetDefHotSpotColor(ColorRef value);
  int ImageCacheCount() const { return imageCacheCount_; }
  void SetImageCacheCount(int value);
  bool NoSelect() const { return noSelect_; }
  void SetNoSelect(bool value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  // For a viewer made hidden and shown later, as the help windows are: a document loaded
  // before the viewer is first shown is laid out when it is, once, at the size it shows.
  void SetLayoutWhenFirstShown(bool value) { layoutWhenFirstShown_ = value; }
  std::uint8_t CharSet() const { return charSet_; }
  void SetCharSet(std::uint8_t value);
  int MarginHeight() const { return marginHeight_; }
  void SetMarginHeight(int value);
  int MarginWidth() const { return marginWidth_; }
  void SetMarginWidth(int value);
  const std::string& ServerRoot() const { return serverRoot_; }
  void SetServerRoot(const std::string& value);
  // The cursor over text (the I-beam at creation).
  const QCursor& TextCursor() const { return textCursor_; }
  void SetTextCursor(const QCursor& cursor);

  // --- documents
  void LoadFromFile(const std::string& FileName);
  void LoadImageDocument(const std::string& FileName);
  void LoadTextFile(const std::string& FileName);
  // A document held in memory (its character set from its META or byte-order mark, else
  // Windows-1250), with no file behind it: links resolve against the current folder, and
  // the history is left as it is. Scrolls to `Anchor`, or to the top.
  void LoadFromString(const std::string& Html, const std::string& Anchor = "");
  void Clear();
  bool JumpToAnchor(const std::string& Name);

  // --- scrolling and positions
  void LayoutView();
  void Relayout();
  void ArrangeScrollBars();
  void ScrollToY(int y);
  int GetVScrollPos() const { return vBar_->Position; }
  void SetVScrollPos(int y);
  int GetHScrollPos() const;
  void SetHScrollPos(int x);
  int GetPositionTag() const;
  void SetPositionTag(int tag);

  // --- links and history
  void FollowLink();
  virtual bool LinkClickHandled();
  std::string ResolveLinkPath(const std::string& Name) const;
  void PushHistory(const std::string& OldFile, const std::string& OldTitle, TDocumentKind OldKind, int OldTag);
  void ClearHistory() { history_.ClearHistory(); }
  const std::vector<std::string>& HistoryFiles() const { return history_.HistoryFiles; }
  const std::vector<std::string>& HistoryTitles() const { return history_.HistoryTitles; }
  const std::vector<PositionObj>& HistoryPositions() const { return history_.HistoryPositions; }

  // --- state
  TSectionList& Document() { return *document_; }
  const TSectionList& Document() const { return *document_; }
  TAnchorNames& AnchorNames() { return anchorNames_; }
  TPaintPanel* PaintPanel() const { return panel_; }
  T32ScrollBar* VScrollBar() const { return vBar_; }
  QScrollBar* HScrollBar() const { return hBar_; }
  const std::string& DocumentFile() const { return documentFile_; }
  TDocumentKind DocumentKind() const { return documentKind_; }
  const std::string& DocumentTitle() const { return documentTitle_; }
  const std::string& DocumentBase() const { return documentBase_; }
  const std::string& DocumentBaseTarget() const { return documentBaseTarget_; }
  const std::string& HoverURL() const { return hoverUrl_; }
  const std::string& HoverTarget() const { return hoverTarget_; }
  bool Busy() const { return busy_; }
  bool LayoutInProgress() const { return layoutInProgress_; }
  int ScrollBarSize() const { return scrollBarSize_; }
  int ScrollWidth() const { return scrollWidth_; }
  int DocHeight() const { return docHeight_; }
  int CaretIndex() const { return caretIndex_; }
  int SelStart() const { return selFrom_; }
  int SelEnd() const { return selTo_; }
  // The selected text, lines ended by CR LF.
  std::u16string SelectedText() const;
  // Puts the selected text, if any, on the clipboard (the copy key does too).
  void CopyToClipboard() const;
  int RefreshDelay() const { return refreshDelay_; }
  const std::string& RefreshURL() const { return refreshUrl_; }
  // Times of the last load's parse and layout, in milliseconds.
  double LastParseMs() const { return lastParseMs_; }
  double LastLayoutMs() const { return lastLayoutMs_; }

  void SetBusy(bool value);
  void ScrollControlIntoView(InlineControl* control);
  // What the paint of the document surface is asked to show now.
  PaintContext CurrentPaintContext(const Rect& clip) const;
  // The display palette on 8-bit displays, else null (the platform's default).
  const PaletteTable* Palette();

  // --- mouse handling of the document surface (panel coordinates)
  void PanelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void PanelMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
  void PanelMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void SelectWordAt(int x, int y);
  void ExtendSelection(int x, int y);
  bool LinkAt(int x, int y, InlineControl*& control, TUrlTarget& link);

  // --- reading and the keyboard (viewer_keyboard.cpp)
  // The document as assistive technology reads it, made when first asked after a change.
  const ReadingText& Reading() const;
  // Counts the documents shown (a load or a clear).
  std::uint64_t DocumentGeneration() const { return documentGeneration_; }
  // The link or form control the keyboard reached (an index of Reading().Stops), or -1.
  int FocusStop() const { return focusStop_; }
  // Moves there: focuses a control's widget, or frames a link and scrolls it into view.
  void SetFocusStop(int stop);
  void FollowReadingLink(int link);
  // Selection and caret in document character positions.
  void SetSelection(int from, int to);
  void SetCaret(int pos);
  // The character position at a point of the document surface, -1 for none.
  int CharPosAt(int x, int y);
  QRect PanelRect(const Rect& documentRect) const;
  void ScrollDocRectIntoView(const Rect& documentRect);
  // Tells assistive technology of a caret or selection that moved.
  void AnnounceSelection();

 signals:
  // What the reading holds or points to has changed: another document (`newDocument`),
  // the same one laid out anew, or a form control that gained or lost its widget.
  void readingChanged(bool newDocument);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void customEvent(QEvent* event) override;
  // Tab and Shift+Tab walk the links and form controls, then leave the document.
  bool focusNextPrevChild(bool next) override;

 private:
  friend class TPaintPanel;

  // --- the document's host
  FontEngine& Fonts() override { return fonts_; }
  std::unique_ptr<Timer> CreateTimer() override;
  std::int64_t ClockMs() override;
  void InvalidateDocumentRect(const Rect& rect) override;
  bool DeliversImages() override { return static_cast<bool>(onImageRequest_); }
  void RequestImage(const std::string& source, std::string*& stream) override;
  std::string ExpandImageName(const std::string& name) override { return ResolveLinkPath(name); }
  void ReportProblem(const std::string& text) override;
  FormWidgetFactory* FormWidgets() override;
  bool TakesSubmissions() override { return static_cast<bool>(onFormSubmit_); }
  void SubmitForm(FormSubmission submission) override;
  void ControlClicked(TFormControlObj& control, const std::string& onClickText) override;
  void ControlFocused(InlineControl& control) override { ScrollControlIntoView(&control); }
  void BackgroundChanged() override;
  void BlockDropped(const TSectionBase& block) override;
  void Meta(const std::string& httpEquiv, const std::string& name, const std::string& content) override;
  void Sound(const std::string& source, int loop, bool terminate) override;
  bool TakesScripts() override { return static_cast<bool>(onScript_); }
  void Script(const std::string& language, std::string script) override;
  bool TakesIncludes() override { return static_cast<bool>(OnInclude); }
  void Include(const std::string& command, std::vector<std::string>& params, const char*& buffer,
               int& size) override;

  void LoadDocument(const std::string& FileName, TDocumentKind Kind);
  void LoadParsed(const std::string& file, TDocumentKind Kind, const std::string& anchor,
                  const std::function<void()>& parse);
  void FinishLoad();
  void ParseDocument(const std::string& path, TDocumentKind kind);
  void deliverControlRequests();
  void MetaHandler(const std::string& httpEq, const std::string& name, const std::string& content);
  // Paints the part `area` of the document surface.
  void PaintDocument(Canvas& canvas, const QRect& area) const;
  void PaintControlPictures(QPainter& painter, const QRect& area) const;
  // Makes the widget of a control drawn as a picture at a point of the surface; answers
  // the widget there, or null.
  QWidget* MakeControlAt(const QPoint& point);
  // Makes the widgets of the controls in and near the part of the view that the screen
  // can show.
  void MakeControlsNearView();
  // Tells the document what part of it shows and puts its form controls there.
  void ViewMoved();
  void ApplyDocumentFonts();
  void FontsChanged();
  void RelayoutKeepingPosition();
  void KeyDown(QKeyEvent* event);
  void VScrollAction(int action);
  void HScrollChanged(int value);
  void DoAutoScroll();
  int VerticalLimit() const;
  int ClampV(int y) const;
  int DocY(int clientY) const { return clientY + vBar_->Position - marginHeight_; }
  // Panel x to document x: the document's left edge stands at the margin, less the
  // horizontal scroll.
  int DocX(int panelX) const { return panelX - DocumentLeft(); }
  int DocumentLeft() const { return marginWidth_ - hBar_->value(); }
  HistoryEntry CurrentEntry() const;
  void SetMarginValue(int& field, int value);
  // Runs `work` busy and under the wait cursor, both undone however it ends.
  void RunBusyWithWaitCursor(const std::function<void()>& work);
  // Before the document is cleared: the reading and the focus stop start again; after
  // the new one is laid out, assistive technology hears of it.
  void ForgetReading();
  void AnnounceDocument();
  void PaintFocusFrame(QPainter& painter) const;
  bool FollowFocusedLink();
  int StopOfFocusedControl() const;
  bool LeaveDocument(bool next);

  FontEngine& fonts_;
  TPaintPanel* panel_;
  T32ScrollBar* vBar_;
  QScrollBar* hBar_;
  std::unique_ptr<TSectionList> document_;
  TAnchorNames anchorNames_;
  TParseResults parsed_;
  THistory history_;
  std::unique_ptr<LazyFormWidgetFactory> widgetFactory_;

  TImageRequestEvent onImageRequest_;
  TScriptEvent onScript_;
  TFormSubmitEvent onFormSubmit_;

  ColorRef defBackground_ = clBtnFace;
  THTMLBorderStyle borderStyle_ = htFocused;
  std::string defFontName_;
  std::string defPreFontName_;
  int defFontSize_ = 12;
  ColorRef defFontColor_ = clBtnText;
  ColorRef defHotSpotColor_ = 0xFF0000;
  int imageCacheCount_ = 0;
  bool noSelect_ = false;
  TScrollStyle scrollBars_ = ssBoth;
  std::uint8_t charSet_ = 1;
  int marginHeight_ = 5;
  int marginWidth_ = 10;
  std::string serverRoot_;
  QCursor textCursor_;

  std::string documentFile_;
  TDocumentKind documentKind_ = dkHtml;
  std::string documentTitle_;
  std::string documentBase_;
  std::string documentBaseTarget_;
  std::string hoverUrl_;
  std::string hoverTarget_;
  bool busy_ = false;
  bool layoutInProgress_ = false;
  int scrollBarSize_ = 16;
  int lastWidth_ = 0;
  bool layoutWhenFirstShown_ = false;
  bool shownOnce_ = false;
  // A load laid out at the first showing, and the anchor it goes to then.
  bool layoutPending_ = false;
  std::string pendingAnchor_;
  int scrollWidth_ = 0;
  int docHeight_ = 0;
  int caretIndex_ = 0;
  int selFrom_ = 0;
  int selTo_ = 0;
  int dragAnchor_ = -1;
  bool leftButtonDown_ = false;
  bool selecting_ = false;
  bool autoScrolling_ = false;
  bool linkJustClicked_ = false;
  QPoint lastMousePos_;
  int refreshDelay_ = 0;
  std::string refreshUrl_;
  double lastParseMs_ = 0;
  double lastLayoutMs_ = 0;
  mutable std::unique_ptr<ReadingText> reading_;
  std::uint64_t documentGeneration_ = 0;
  int focusStop_ = -1;
  QString replacedText_;
  int announcedCaret_ = -1;
  int announcedFrom_ = -1;
  int announcedTo_ = -1;
};

// The viewer's two cursors, made from the program's pictures.
QCursor HandQCursor();
QCursor IBeamQCursor();

}  // namespace tavra
