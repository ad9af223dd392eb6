// Loading, anchors, links between documents, the history and the viewer's properties.

#include <QPushButton>
#include <algorithm>

#include "html/images/image_cache.h"
#include "platform/file_system.h"
#include "windows/viewer_fixture.h"

namespace tavra::test {
namespace {

TEST_F(ViewerTest, AnchorLinksJumpAndRecordThePosition) {
  viewer.SetHistoryMaxCount(5);
  const std::string a = write(
      "a.htm", paragraphs(10, "<p><a href=\"#sec2\">go</a></p>",
                          "<p><a name=\"sec2\">Second</a> <a href=\"#sec2\">again</a></p>" + paragraphs(30)));
  viewer.LoadFromFile(a);
  ASSERT_EQ(viewer.HistoryFiles().size(), 1u);
  EXPECT_EQ(viewer.GetVScrollPos(), 0);
  const int topTag = viewer.GetPositionTag();

  click(pointOf(find("go")));
  const int anchorTop = viewer.AnchorNames().at("SEC2")->TopY;
  EXPECT_EQ(viewer.GetVScrollPos(), anchorTop);
  EXPECT_EQ(viewer.HistoryFiles(), (std::vector<std::string>{a, a}));
  EXPECT_EQ(viewer.HistoryPositions()[0].ScrollTag, viewer.GetPositionTag());
  EXPECT_EQ(viewer.HistoryPositions()[1].ScrollTag, topTag);

  click(pointOf(find("again")));
  EXPECT_EQ(viewer.HistoryFiles().size(), 2u) << "the same file, kind and position add nothing";

  EXPECT_FALSE(viewer.JumpToAnchor("#nowhere"));
  EXPECT_FALSE(viewer.JumpToAnchor(""));
  EXPECT_EQ(viewer.GetVScrollPos(), anchorTop);
  EXPECT_TRUE(viewer.JumpToAnchor("sec2"));
}

TEST_F(ViewerTest, LinksToOtherDocumentsLoadThemAtTheirAnchor) {
  viewer.SetHistoryMaxCount(5);
  const std::string b = write("Sub/B.htm", paragraphs(30, "", "<p><a name=\"part\">Part</a></p>" + paragraphs(20)));
  const std::string a = write("a.htm", "<p><a href=\"SUB/b.htm#part\">to b</a> <a href=\"notes.txt\">notes</a></p>");
  write("notes.txt", "text");
  viewer.LoadFromFile(a);

  click(pointOf(find("notes")));
  EXPECT_EQ(viewer.DocumentFile(), a) << "a link of another kind does nothing";

  click(pointOf(find("to b")));
  EXPECT_EQ(viewer.DocumentFile(), b) << "the link finds the file whatever its letter case";
  EXPECT_EQ(viewer.GetVScrollPos(), std::min(viewer.AnchorNames().at("PART")->TopY,
                                             viewer.DocHeight() - viewer.PaintPanel()->height()));
  EXPECT_EQ(viewer.HistoryFiles(), (std::vector<std::string>{b, a}));
}

TEST_F(ViewerTest, PictureLinksShowAnImageDocument) {
  write("pic.png", "\x89PNG\r\n\x1a\n not decoded");
  viewer.LoadFromFile(write("a.htm", "<p><a href=\"pic.png\">picture</a></p>"));
  click(pointOf(find("picture")));
  EXPECT_EQ(viewer.DocumentFile(), folder.file("pic.png"));
  EXPECT_EQ(viewer.DocumentKind(), dkImage);
}

TEST_F(ViewerTest, APictureByARelativePathWithAFolderIsShown) {
  write("sub/pic.bmp", "");
  std::filesystem::copy_file(std::string(TAVRA_SAMPLE_DATA) + "/kalendar.bmp", folder.file("sub/pic.bmp"),
                             std::filesystem::copy_options::overwrite_existing);
  viewer.SetViewImages(true);
  const std::filesystem::path start = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  viewer.LoadImageDocument("sub/pic.bmp");
  std::filesystem::current_path(start);
  EXPECT_EQ(viewer.DocumentFile(), folder.file("sub/pic.bmp"));
  // The calendar's red band: a broken picture would show only its frame.
  const QImage shown = viewer.grab().toImage();
  int red = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 80; ++x)
      if (QColor(shown.pixel(x, y)).red() > 150 && QColor(shown.pixel(x, y)).green() < 80) ++red;
  EXPECT_GT(red, 50);
}

TEST_F(ViewerTest, HistoryKeepsTheLastTwoDocuments) {
  viewer.SetHistoryMaxCount(2);
  int changes = 0;
  viewer.OnHistoryChange = [&](ThtmlViewer*) { ++changes; };
  const std::string a = write("a.htm", "<p>A</p>"), b = write("b.htm", "<p>B</p>"), c = write("c.htm", "<p>C</p>");
  viewer.LoadFromFile(a);
  viewer.LoadFromFile(b);
  viewer.LoadFromFile(c);
  EXPECT_EQ(viewer.HistoryFiles(), (std::vector<std::string>{c, b}));
  EXPECT_EQ(changes, 3);
  viewer.LoadFromFile(c);
  EXPECT_EQ(changes, 3) << "reloading the shown file adds nothing";
  viewer.Clear();
  EXPECT_EQ(viewer.HistoryFiles().size(), 2u);
  EXPECT_EQ(viewer.DocumentFile(), c);
}

TEST_F(ViewerTest, ReloadingKeepsThePositionAnotherFileStartsAtTheTop) {
  const std::string a = write("a.htm", paragraphs(60)), b = write("b.htm", paragraphs(60));
  viewer.LoadFromFile(a);
  viewer.ScrollToY(400);
  viewer.LoadFromFile(a);
  EXPECT_EQ(viewer.GetVScrollPos(), 400);
  viewer.LoadFromFile(b);
  EXPECT_EQ(viewer.GetVScrollPos(), 0);
}

TEST_F(ViewerTest, AMissingFileLeavesTheDocumentAlone) {
  const std::string a = write("a.htm", "<p>Here</p>");
  viewer.LoadFromFile(a);
  std::vector<bool> processing;
  viewer.OnProcessing = [&](ThtmlViewer*, bool on) { processing.push_back(on); };
  const std::string missing = folder.file("missing.htm");
  try {
    viewer.LoadFromFile(missing);
    FAIL() << "no error";
  } catch (const InOutError& error) {
    EXPECT_EQ(std::string(error.what()), "Can't locate file: " + missing);
  }
  EXPECT_EQ(viewer.DocumentFile(), a);
  EXPECT_FALSE(viewer.Busy());
  EXPECT_EQ(processing, (std::vector<bool>{true, false}));
  EXPECT_GE(find("Here"), 0);
}

TEST_F(ViewerTest, ALinkToAMissingFileIsReportedAndTheDocumentStays) {
  const std::string a = write("a.htm", "<p><a href=\"gone.htm\">broken</a></p>");
  viewer.LoadFromFile(a);
  click(pointOf(find("broken")));
  EXPECT_EQ(messages, (std::vector<std::string>{"Can't locate file: " + folder.file("gone.htm")}));
  EXPECT_EQ(viewer.DocumentFile(), a);
  EXPECT_FALSE(viewer.Busy());
}

TEST_F(ViewerTest, AnchorsInATableThatCannotBeShownAreForgotten) {
  std::string row;
  for (int i = 0; i < 31; ++i) row += "<td>" + std::to_string(i) + "</td>";
  viewer.LoadFromFile(write("wide.htm", "<p><a name=\"before\">Before</a></p><table><tr><td><a name=\"inside\">In</a></td>" +
                                           row + "</tr></table>" + paragraphs(40)));
  EXPECT_TRUE(messages.empty()) << "no message box in the middle of the load";
  QCoreApplication::processEvents();
  EXPECT_EQ(messages.size(), 1u) << "the table with too many columns is reported once";
  EXPECT_FALSE(viewer.JumpToAnchor("inside"));
  EXPECT_TRUE(viewer.JumpToAnchor("before"));
  EXPECT_EQ(viewer.AnchorNames().count("INSIDE"), 0u);
}

TEST_F(ViewerTest, MetaRefreshIsReportedAfterTheLoad) {
  std::vector<std::pair<int, std::string>> refreshes;
  viewer.OnMetaRefresh = [&](ThtmlViewer*, int delay, const std::string& url) { refreshes.emplace_back(delay, url); };
  viewer.LoadFromFile(write("r1.htm", "<meta http-equiv=\"Refresh\" content=\"5; URL=Next.htm\"><p>x</p>"));
  viewer.LoadFromFile(write("r2.htm", "<meta http-equiv=\"refresh\" content=\"0; url=x.htm\"><p>x</p>"));
  viewer.LoadFromFile(write("r3.htm", "<meta http-equiv=\"refresh\" content=\"5\"><p>x</p>"));
  // The delay is an integer exactly as written before ";": a blank, a fraction or a unit
  // make none.
  for (const char* content : {"5 ;url=b.htm", "5\t; url=b.htm", "2.5; url=c.htm", "5s; url=d.htm", "; url=e.htm"})
    viewer.LoadFromFile(write("r4.htm", std::string("<meta http-equiv=refresh content=\"") + content + "\"><p>x</p>"));
  viewer.LoadFromFile(write("r5.htm", "<meta http-equiv=refresh content=\"+7;url=Signed.htm\"><p>x</p>"));
  EXPECT_EQ(refreshes, (std::vector<std::pair<int, std::string>>{{5, "Next.htm"}, {7, "Signed.htm"}}));
}

TEST_F(ViewerTest, ALinkResolvesInTheFolderOfTheBase) {
  const std::string target = write("other/y.htm", "<p>in other</p>");
  write("y.htm", "<p>beside the document</p>");
  viewer.LoadFromFile(write("a.htm", "<base href=\"file://" + folder.file("other/index.htm") +
                                         "\"><p><a href=\"y.htm\">go</a></p>"));
  click(pointOf(find("go")));
  EXPECT_EQ(viewer.DocumentFile(), target);
}

TEST_F(ViewerTest, PropertyAssignmentRules) {
  viewer.SetDefFontSize(3);
  EXPECT_EQ(viewer.DefFontSize(), 6);
  viewer.SetImageCacheCount(99);
  EXPECT_EQ(viewer.ImageCacheCount(), 20);
  viewer.SetImageCacheCount(-4);
  EXPECT_EQ(viewer.ImageCacheCount(), 0);
  viewer.SetImageCacheCount(5);
  viewer.SetServerRoot("  ");
  EXPECT_EQ(viewer.ServerRoot(), "");
  viewer.SetServerRoot("c:\\site\\ ");
  EXPECT_EQ(viewer.ServerRoot(), "c:\\site");
  viewer.SetDefFontName("times new roman");
  EXPECT_EQ(viewer.DefFontName(), "Times New Roman");
  viewer.SetDefFontName("Arial");
  EXPECT_EQ(viewer.Document().FontName, "Arial");
  EXPECT_EQ(viewer.DefPreFontName(), "Courier New");
  EXPECT_EQ(viewer.BorderStyle(), htFocused);
  EXPECT_EQ(viewer.ScrollBars(), ssBoth);
  EXPECT_EQ(viewer.DefHotSpotColor(), 0xFF0000u);
}

}  // namespace
}  // namespace tavra::test

namespace tavra::test {
namespace {

TEST_F(ViewerTest, FormSubmissionArrivesAfterTheClickHandling) {
  std::vector<std::string> submitted;
  viewer.SetOnFormSubmit([&](ThtmlViewer*, const std::string& action, const std::string&, const std::string&,
                             const std::string& method, std::vector<std::string>& results) {
    submitted.push_back(action + " " + method);
    submitted.insert(submitted.end(), results.begin(), results.end());
  });
  viewer.LoadFromFile(write("form.htm",
                            "<form action=\"find.cgi\" method=\"post\"><input name=\"q\" value=\"bible\">"
                            "<input type=\"submit\" name=\"go\" value=\"Go\"></form>"));
  viewer.grab();
  auto* button = viewer.PaintPanel()->findChild<QPushButton*>();
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(submitted.empty()) << "the submission is posted, not delivered inside the click";
  QApplication::processEvents();
  ASSERT_FALSE(submitted.empty());
  EXPECT_EQ(submitted[0], "find.cgi post");
  EXPECT_NE(std::find(submitted.begin(), submitted.end(), "q=bible"), submitted.end());

  // Without a handler the form submits nothing.
  viewer.SetOnFormSubmit(nullptr);
  submitted.clear();
  viewer.LoadFromFile(folder.file("form.htm"));
  viewer.grab();
  QTest::mouseClick(viewer.PaintPanel()->findChild<QPushButton*>(), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_TRUE(submitted.empty());
}

}  // namespace
}  // namespace tavra::test
