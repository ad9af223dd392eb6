#include "platform/qt/rich_text_box.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/file_system.h"

namespace tavra {

namespace {

Qt::Alignment toQt(rtf::Alignment alignment, Qt::Alignment fallback) {
  switch (alignment) {
    case rtf::Alignment::Left: return Qt::AlignLeft | Qt::AlignAbsolute;
    case rtf::Alignment::Center: return Qt::AlignHCenter;
    case rtf::Alignment::Right: return Qt::AlignRight | Qt::AlignAbsolute;
    case rtf::Alignment::Justify: return Qt::AlignJustify;
    case rtf::Alignment::Default: break;
  }
  return fallback;
}

QTextCharFormat toQt(const rtf::CharStyle& style) {
  QTextCharFormat format;
  format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(style.italic);
  format.setFontUnderline(style.underline);
  format.setFontStrikeOut(style.strike);
  if (style.halfPoints > 0) format.setFontPointSize(style.halfPoints / 2.0);
  return format;
}

QString toQt(const std::u16string& text) {
  QString out = QString::fromStdU16String(text);
  out.replace(QLatin1Char('\n'), QChar::LineSeparator);
  return out;
}

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setAcceptRichText(false);
  setUndoRedoEnabled(false);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
}

void RichTextBox::loadRtf(std::string_view bytes) { showDocument(rtf::parse(bytes)); }

void RichTextBox::loadRtfFile(const std::string& path, std::size_t maxSize) {
  loadRtf(readRegularFile(path, maxSize));
}

void RichTextBox::showDocument(const rtf::Document& document) {
  QTextDocument* doc = this->document();
  doc->clear();
  QTextCursor cursor(doc);
  cursor.beginEditBlock();
  bool first = true;
  std::size_t shown = 0;
  for (const rtf::Paragraph& paragraph : document.paragraphs) {
    if (shown++ == MaxParagraphs) break;
    QTextBlockFormat blockFormat;
    blockFormat.setAlignment(toQt(paragraph.alignment, defaultAlignment_));
    const QTextCharFormat markFormat = toQt(paragraph.markStyle);
    if (first) {
      cursor.setBlockFormat(blockFormat);
      cursor.setBlockCharFormat(markFormat);
      first = false;
    } else {
      cursor.insertBlock(blockFormat, markFormat);
    }
    for (const rtf::Run& run : paragraph.runs) cursor.insertText(toQt(run.text), toQt(run.style));
  }
  cursor.endEditBlock();
  setTextCursor(QTextCursor(doc));
  verticalScrollBar()->setValue(0);
}

void RichTextBox::applyFontToAll(const QString& family, int pointSize, const QColor& colour) {
  QTextCharFormat format;
  format.setFontFamilies(QStringList{family});
  if (pointSize > 0) format.setFontPointSize(pointSize);
  format.setForeground(colour);

  QTextCursor cursor(document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.mergeCharFormat(format);
  // Empty paragraphs have no characters; their marks set the height of the empty line.
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    QTextCursor at(block);
    at.mergeBlockCharFormat(format);
  }
  cursor.endEditBlock();
  setTextCursor(QTextCursor(document()));
}

}  // namespace tavra
