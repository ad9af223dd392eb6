#include "html/document/fonts.h"

#include "html/document/section_list.h"

namespace tavra {

const int FontSizes[7] = {8, 10, 12, 14, 18, 24, 36};
const int PreFontSizes[7] = {7, 8, 10, 12, 15, 20, 30};
const int HeadingSizes[6] = {24, 18, 15, 12, 10, 8};

void TMyFont::Changed() {
  if (OnChange) OnChange();
}

void TMyFont::SetFonts(FontEngine& fonts) {
  fonts_ = &fonts;
  Changed();
}

void TMyFont::SetName(const std::string& name) {
  spec_.name = name;
  Changed();
}

void TMyFont::SetSize(int size) {
  spec_.size = size;
  Changed();
}

void TMyFont::SetColor(ColorRef color) {
  color_ = color;
  Changed();
}

void TMyFont::SetStyle(unsigned style) {
  spec_.style = style & (fsBold | fsItalic | fsUnderline | fsStrikeOut);
  Changed();
}

void TMyFont::SetCharset(std::uint8_t charset) {
  spec_.charset = charset;
  Changed();
}

void TMyFont::Assign(const TMyFont& other) {
  NormalSize = other.NormalSize;
  Fixed = other.Fixed;
  AssignFace(other);
}

void TMyFont::AssignFace(const TMyFont& other) {
  fonts_ = other.fonts_;
  spec_ = other.spec_;
  color_ = other.color_;
  Changed();
}

void TMyFont::SetHtmlSize(const TSectionList& document, int points) {
  NormalSize = points;
  SetSize(MulDiv(document.FontSize, points, 12));
}

void ApplyDocumentDefaults(TMyFont& font, const TSectionList& document, ColorRef colour) {
  // One change notice for the whole update: the handler re-reads the metrics.
  auto handler = std::move(font.OnChange);
  font.OnChange = nullptr;
  font.SetFonts(document.Host().Fonts());
  font.SetName(font.Fixed ? document.PreFontName : document.FontName);
  font.SetCharset(document.Charset);
  font.SetSize(MulDiv(document.FontSize, font.NormalSize, 12));
  font.SetColor(colour | kPaletteRelative);
  font.OnChange = std::move(handler);
  if (font.OnChange) font.OnChange();
}

TFontObj::TFontObj(const TMyFont& font, int pos) : Pos(pos), font_storage_(font) {
  TheFont->OnChange = [this] { UpdateMetrics(); };
  UpdateMetrics();
}

void TFontObj::UpdateMetrics() {
  if (font_ && madeBy_ == &TheFont->Fonts() && font_->face() == TheFont->Face()) return;
  madeBy_ = &TheFont->Fonts();
  font_ = TheFont->Fonts().createFont(TheFont->Face());
  const FontMetrics& m = font_->metrics();
  TextHeight = m.height;
  FontHeight = m.height + m.externalLeading;
  Descent = m.descent;
  Overhang = m.overhang;
}

void TFontObj::RefreshFromDocument(const TSectionList& document) {
  ApplyDocumentDefaults(*TheFont, document, UrlTarget.URL.empty() ? document.FontColor : document.LinkColor);
}

int TFontList::indexAt(int pos) const {
  // The last run with Pos <= pos; the first run when pos lies before every run.
  int lo = 0, hi = Count() - 1;
  while (lo < hi) {
    int mid = (lo + hi + 1) / 2;
    if (items_[std::size_t(mid)].pos <= pos)
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

const FontPtr& TFontList::FontAtPos(int pos, int& overhang) const {
  const TFontObj& run = *items_[std::size_t(indexAt(pos))].run;
  overhang = run.Overhang;
  return run.Font();
}

TFontObj& TFontList::RunAtPos(int pos, int& index) const {
  index = indexAt(pos);
  return *items_[std::size_t(index)].run;
}

int TFontList::CharsToNextRun(int pos, int len) const {
  int next = indexAt(pos) + 1;
  if (next < Count() && items_[std::size_t(next)].pos > pos) return items_[std::size_t(next)].pos - pos;
  return len - pos;
}

void TFontList::Add(std::unique_ptr<TFontObj> run) {
  // Most blocks change font a few times; growing one run at a time cost an allocation each.
  if (items_.empty()) items_.reserve(4);
  const int pos = run->Pos;
  items_.push_back({pos, std::move(run)});
}

void TFontList::RefreshAll(const TSectionList& document) {
  for (Item& item : items_) item.run->RefreshFromDocument(document);
}

}  // namespace tavra
