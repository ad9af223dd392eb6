#pragma once
// The block model of HTML documents: the abstract block, the owning list, and the cell,
// the list of blocks that the document body and every table cell are.

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "html/document/indent_manager.h"
#include "html/document/inline_objects.h"
#include "html/paint_context.h"
#include "html/links/url_target.h"
#include "platform/canvas.h"

namespace tavra {

class TSectionList;
class TCell;

// Raised by a block whose layout cannot go on (a table with too many columns); the cell
// reports it, drops the block and lays out the rest. The message is UTF-8.
class EProcessError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The indent manager of one cell.
class IndentManager : public IndentManagerBasic {};

// A list that owns its items and frees them when cleared or destroyed.
template <class T>
class TFreeList {
 public:
  virtual ~TFreeList() = default;

  int Count() const { return int(items_.size()); }
  T& operator[](int i) const { return *items_[std::size_t(i)]; }
  void Add(std::unique_ptr<T> item) { items_.push_back(std::move(item)); }
  void Delete(int i) { items_.erase(items_.begin() + i); }
  void Clear() { items_.clear(); }

 protected:
  std::vector<std::unique_ptr<T>> items_;
};

class TSectionBase {
 public:
  virtual ~TSectionBase() = default;

  TSectionList* Document = nullptr;
  int ContentHeight = 0;
  int PaintHeight = 0;
  int TopY = 0;
  int FirstCharPos = 0;
  int CharCount = 0;

  // Appends the text of the block that lies in selFrom..selTo (character positions).
  virtual void CopySelectedText(int selFrom, int selTo, std::u16string& out) const;
  virtual int LayoutSection(Canvas& canvas, int y, IndentManager& indents, int& maxWidth, int& charPos);
  // After layout: where the block's lines, pictures and controls stand across, with the
  // block's cell starting at x (document coordinates). Hit tests and invalidation use it.
  virtual void PlaceContents(int x) { (void)x; }
  // Paints the block at (x, y): x of its cell on the canvas, y its document top. Returns
  // the y below it. `clipWidth` bounds preformatted lines.
  virtual int PaintSection(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const;
  // x in document coordinates, y relative to the block; `target` is cleared by the caller.
  virtual bool LinkAtPoint(Canvas& canvas, int x, int y, InlineControl*& control, TUrlTarget& target);
  virtual bool ImageAtPoint(int x, int y, InlineImage*& image, int& imageX, int& imageY);
  virtual int PointToCharPos(Canvas& canvas, int x, int y, bool& insideText, int& lineHeight, int& lineTop,
                             int& caretX);
  virtual int SearchText(int start, std::u16string_view text, bool matchCase);
  virtual bool CharPosToPoint(Canvas& canvas, int pos, int& y, int& x);
  virtual bool CharAtPos(int pos, char16_t& ch, TSectionBase*& block);
  virtual void RefreshFonts() { RecalcFixedHeight(); }
  virtual void RecalcFixedHeight() {}
  virtual void MeasureWidths(Canvas& canvas, int& minWidth, int& maxWidth);
  // Whether `block` is this block or lies inside it (in a table's cells).
  virtual bool Contains(const TSectionBase* block) const { return block == this; }
};

class TCell : public TFreeList<TSectionBase> {
 public:
  explicit TCell(TSectionList* document) : Document(document) {}

  TSectionList* Document;
  int FontSize = 12;
  int CellTopY = 0;
  int CellFirstCharPos = 0;
  int CellCharCount = 0;
  IndentManager Indents;
  bool HasBackground = false;
  ColorRef BackgroundColor = 0;

  void AddSection(std::unique_ptr<TSectionBase> block);

  virtual int LayoutCell(Canvas& canvas, int y, int width, int& maxWidth, int& charPos);
  virtual void MeasureWidths(Canvas& canvas, int& minWidth, int& maxWidth);
  virtual void PlaceContents(int x);
  virtual int PaintCell(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const;
  virtual bool LinkAtPoint(Canvas& canvas, int x, int y, InlineControl*& control, TUrlTarget& target);

  TSectionBase* FindSectionAtY(int y, int& blockTop, int& index) const;
  bool ImageAtPoint(int x, int y, InlineImage*& image, int& imageX, int& imageY);
  // `cell` is set to this cell when a position is found and no cell was reported yet.
  int PointToCharPos(Canvas& canvas, int x, int y, bool& insideText, int& lineHeight, int& lineTop, int& caretX,
                     TCell*& cell);
  int SearchText(int start, std::u16string_view text, bool matchCase);
  bool CharPosToPoint(Canvas& canvas, int pos, int& y, int& x);
  bool CharAtPos(int pos, char16_t& ch, TSectionBase*& block);
  void CopySelectedText(int selFrom, int selTo, std::u16string& out) const;
  void RefreshFonts();
  bool Contains(const TSectionBase* block) const;
  // A block whose layout failed is reported and removed; the document hears of it first,
  // so that nothing keeps pointing into it.
  void DropFailedBlock(int index, const EProcessError& error);
};

}  // namespace tavra
