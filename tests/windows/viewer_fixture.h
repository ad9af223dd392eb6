#pragma once
// A viewer on the offscreen platform with fixed font metrics, documents written to a
// temporary folder, and the mouse and keys of a user.

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "html/qt/viewer.h"
#include "html/document/text_section.h"
#include "platform/fixed_canvas.h"
#include "common/message_capture.h"
#include "platform/qt/painter_canvas.h"
#include "platform/temp_folder.h"
#include "platform/unicode.h"

namespace tavra::test {

class ViewerTest : public ::testing::Test {
 protected:
  ViewerTest() {
    viewer.setAttribute(Qt::WA_DontShowOnScreen);
    viewer.resize(400, 300);
    viewer.show();
  }

  // Writes a document (Windows-1250 bytes) and answers its path.
  std::string write(const std::string& name, const std::string& content) {
    std::string path = folder.file(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  // A document of `count` paragraphs "Paragraph N", each its own block.
  static std::string paragraphs(int count, const std::string& before = "", const std::string& after = "") {
    std::string html = "<html><body>" + before;
    for (int i = 0; i < count; ++i) html += "<p>Paragraph " + std::to_string(i) + " of the long document</p>\n";
    return html + after + "</body></html>";
  }

  // The panel point in the middle of the character at document position `pos`, after
  // the viewer has painted what the user sees (hit tests use the places of the last paint).
  QPoint pointOf(int pos) {
    viewer.grab();
    QImage surface(1, 1, QImage::Format_RGB32);
    QPainter painter(&surface);
    PainterCanvas canvas(painter, 1, 1);
    int y = 0, x = 0;
    EXPECT_TRUE(viewer.Document().CharPosToPoint(canvas, pos, y, x)) << "position " << pos;
    return QPoint(viewer.MarginWidth() + x + 2 - viewer.GetHScrollPos(), y - viewer.GetVScrollPos() + 6);
  }

  int find(const std::string& text) { return viewer.Document().SearchText(0, utf8ToUtf16(text), true); }

  // Mouse events as the platform delivers them to the document surface, also outside it
  // while a button is held.
  void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QWidget* panel = viewer.PaintPanel();
    QMouseEvent event(type, QPointF(at), QPointF(panel->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(panel, &event);
  }
  void press(QPoint at) { mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
  void drag(QPoint to) { mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton); }
  void hover(QPoint to) { mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::NoButton); }
  void release(QPoint at) { mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
  void click(QPoint at) { QTest::mouseClick(viewer.PaintPanel(), Qt::LeftButton, Qt::NoModifier, at); }
  // The widget sees a double click as a press, a release, the double click and a release.
  void doubleClick(QPoint at) {
    click(at);
    QTest::mouseDClick(viewer.PaintPanel(), Qt::LeftButton, Qt::NoModifier, at);
  }
  void key(Qt::Key k) { QTest::keyClick(&viewer, k); }

  TempFolder folder{"viewer"};
  testing::MessageCapture messages;
  // Fixed metrics, so that positions can be reckoned by hand.
  ThtmlViewer viewer{nullptr, fixedFontEngine()};
};

}  // namespace tavra::test
