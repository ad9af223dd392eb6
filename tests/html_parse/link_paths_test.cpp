#include "html/links/link_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "html/links/history.h"
#include "platform/temp_folder.h"

namespace tavra {
namespace {

TEST(UrlToLocalPath, FileUrlsBecomeDrivePaths) {
  EXPECT_EQ(UrlToLocalPath("file:///C|/docs/Page.HTM"), "c:\\docs\\page.htm");
  EXPECT_EQ(UrlToLocalPath("file://C|/Docs/x.htm"), "c:\\docs\\x.htm");
  EXPECT_EQ(UrlToLocalPath("sub/Y.htm"), "sub\\y.htm");
  // A file URL of this machine stays rooted.
  EXPECT_EQ(UrlToLocalPath("file:///tmp/A.htm"), "\\tmp\\a.htm");
  // Without a slash the text is no URL: its letter case stays.
  EXPECT_EQ(UrlToLocalPath("C:\\Docs\\Page.HTM"), "C:\\Docs\\Page.HTM");
}

TEST(UrlToLocalPath, PercentDecoding) {
  EXPECT_EQ(UrlToLocalPath("a%20b.htm"), "a b.htm");
  EXPECT_EQ(UrlToLocalPath("a%20b%2Ec.htm"), "a b.c.htm");
  // A "%" that stands first stops the decoding, even of later escapes.
  EXPECT_EQ(UrlToLocalPath("%41.htm"), "%41.htm");
  EXPECT_EQ(UrlToLocalPath("%41%42.htm"), "%41%42.htm");
  // Too few characters after it, or no hexadecimal number: stop there.
  EXPECT_EQ(UrlToLocalPath("ab%4"), "ab%4");
  EXPECT_EQ(UrlToLocalPath("a%zz%41"), "a%zz%41");
  // A zero byte would cut the path short.
  EXPECT_EQ(UrlToLocalPath("a%00b"), "a%00b");
  // Decoded before the URL is lower-cased.
  EXPECT_EQ(UrlToLocalPath("x/%41.htm"), "x\\a.htm");
}

TEST(ResolveLinkPath, FormsOfTheHomePlatform) {
  LinkContext context{"", "", "/data/docs/a.htm"};
  EXPECT_EQ(ResolveLinkPath("file:///C|/docs/Page.HTM", context), "/docs/page.htm");
  EXPECT_EQ(ResolveLinkPath("c:\\docs\\x.htm", context), "/docs/x.htm");
  EXPECT_EQ(ResolveLinkPath("sub/y.htm", context), "/data/docs/sub/y.htm");
  EXPECT_EQ(ResolveLinkPath("  ../up.htm\t", context), "/data/up.htm");
  EXPECT_EQ(ResolveLinkPath("a%20b.htm", context), "/data/docs/a b.htm");
  EXPECT_EQ(ResolveLinkPath("/help/x.htm", context), "/help/x.htm");
  context.ServerRoot = "c:\\site";
  EXPECT_EQ(ResolveLinkPath("/help/x.htm", context), "/site/help/x.htm");
  EXPECT_EQ(ResolveLinkPath("file:///help/x.htm", context), "/help/x.htm") << "a file URL is no server path";
}

TEST(ResolveLinkPath, DocumentBase) {
  LinkContext context{"", "DosPath", "/data/docs/a.htm"};
  EXPECT_EQ(ResolveLinkPath("sub/y.htm", context), "sub/y.htm");
  context.DocumentBase = "dospath";
  EXPECT_EQ(ResolveLinkPath("y.htm", context), "y.htm");
  context.DocumentBase = "file:///c|/base/index.htm";
  EXPECT_EQ(ResolveLinkPath("y.htm", context), "/base/y.htm");
  context.DocumentBase = "c:\\other\\";
  EXPECT_EQ(ResolveLinkPath("sub/y.htm", context), "/other/sub/y.htm");
}

TEST(ResolveLinkPath, FindsTheFileWhoseNameDiffersInCase) {
  test::TempFolder folder("link-paths");
  std::filesystem::create_directories(folder.file("Help/Sub"));
  std::ofstream(folder.file("Help/Sub/Page.HTM")) << "x";
  // The URL form is lower-cased; the file on disk keeps its capitals.
  LinkContext context{"", "", folder.file("Help/index.htm")};
  EXPECT_EQ(ResolveLinkPath("SUB/PAGE.htm", context), folder.file("Help/Sub/Page.HTM"));
  EXPECT_EQ(ResolveLinkPath("file://" + folder.file("help/sub/page.htm"), context),
            folder.file("Help/Sub/Page.HTM"));
  // What does not exist keeps the case it was given from the first missing part on.
  EXPECT_EQ(ResolveLinkPath("sub/missing/x.htm", context), folder.file("Help/Sub/missing/x.htm"));
}

TEST(ServerRootValue, TrimmedWithoutOneTrailingBackslash) {
  EXPECT_EQ(ServerRootValue("  c:\\site\\ "), "c:\\site");
  EXPECT_EQ(ServerRootValue("c:\\site\\\\"), "c:\\site\\");
  EXPECT_EQ(ServerRootValue("\t\n"), "");
}

TEST(History, KeepsTheMostRecentEntriesUpToTheLimit) {
  THistory history;
  int changes = 0;
  history.OnHistoryChange = [&] { ++changes; };
  history.PushHistory({"", "", dkHtml, 0}, {"A", "a", dkHtml, 0});
  EXPECT_EQ(history.Count(), 0) << "no history is kept while the limit is 0";
  history.SetMaxCount(2);
  history.PushHistory({"", "", dkHtml, 0}, {"A", "a", dkHtml, 0});
  history.PushHistory({"A", "a", dkHtml, 70}, {"B", "b", dkHtml, 0});
  history.PushHistory({"B", "b", dkHtml, 65536 * 3 + 4}, {"C", "c", dkImage, 0});
  EXPECT_EQ(history.HistoryFiles, (std::vector<std::string>{"C", "B"}));
  EXPECT_EQ(history.HistoryTitles, (std::vector<std::string>{"c", "b"}));
  // The entry left records where the reader left it.
  EXPECT_EQ(history.HistoryPositions[1].ScrollTag, 65536 * 3 + 4);
  EXPECT_EQ(history.HistoryPositions[0].Kind, dkImage);
  EXPECT_EQ(changes, 3);

  // The same file, kind and position adds nothing.
  history.PushHistory({"C", "c", dkImage, 0}, {"C", "c", dkImage, 0});
  EXPECT_EQ(changes, 3);
  // A jump inside the document is a new entry.
  history.PushHistory({"C", "c", dkImage, 0}, {"C", "c", dkImage, 200});
  EXPECT_EQ(history.HistoryFiles, (std::vector<std::string>{"C", "C"}));
  EXPECT_EQ(history.HistoryPositions[0].ScrollTag, 200);
  EXPECT_EQ(history.HistoryPositions[1].ScrollTag, 0);

  history.SetMaxCount(-1);
  history.SetMaxCount(2);
  EXPECT_EQ(history.Count(), 2);
  history.SetMaxCount(1);
  EXPECT_EQ(history.Count(), 0) << "a smaller limit empties the history";
  EXPECT_EQ(history.MaxCount(), 1);
  int before = changes;
  history.ClearHistory();
  EXPECT_EQ(changes, before) << "clearing an empty history raises nothing";
}

}  // namespace
}  // namespace tavra
