#pragma once
// A read-only rich-text box that shows the program's small RTF documents. Paragraphs that
// name no alignment take the box's default one.

#include <QColor>
#include <QFont>
#include <QTextEdit>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/rtf_reader.h"

namespace tavra {

class RichTextBox : public QTextEdit {
  Q_OBJECT

 public:
  explicit RichTextBox(QWidget* parent = nullptr);

  void setDefaultAlignment(Qt::Alignment alignment) { defaultAlignment_ = alignment; }
  Qt::Alignment defaultAlignment() const { return defaultAlignment_; }

  // A day's text has a few dozen paragraphs; the text box spends far more per paragraph
  // than the reader, so a document with more shows only the first this many.
  static constexpr std::size_t MaxParagraphs = 20000;

  // Replaces the text with the document; the view returns to the top.
  void loadRtf(std::string_view bytes);
  void showDocument(const rtf::Document& document);
  // Reads the file whole and shows it; throws InOutError when it cannot be read.
  // Throws InOutError for anything but a regular file of at most `maxSize` bytes.
  void loadRtfFile(const std::string& path, std::size_t maxSize);

  // Sets font name, size and colour of the whole text; bold, italic, underline and
  // strike-out of each part stay as they are.
  void applyFontToAll(const QString& family, int pointSize, const QColor& colour);

 private:
  Qt::Alignment defaultAlignment_;
};

}  // namespace tavra
