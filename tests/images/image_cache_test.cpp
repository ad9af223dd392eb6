#include "html/images/image_cache.h"

#include <gtest/gtest.h>

#include "images/encoders.h"

namespace tavra {
namespace {

using test::writeScratchFile;

class Cache : public ::testing::Test {
 protected:
  void SetUp() override {
    ImageCache().Clear();
    ImageCache().SetIdleLimit(4);
  }
  void TearDown() override {
    ImageCache().Clear();
    ImageCache().SetMaxBytes(TStringBitmapList::DefaultMaxBytes);
  }

  PictureRef fetch(const std::string& source, TransparencyKind wish = trNone, const ImageRequestHandler& handler = {}) {
    transparency = wish;
    return FetchImage(handler, source, transparency, pending, fromCache, mask);
  }

  static std::string bmpFile(const std::string& name) {
    // Stored bottom row first: the lower-left pixel is blue.
    std::vector<std::vector<std::uint32_t>> rows = {{0x0000FF, 0xFF0000}, {0x00FF00, 0x0000FF}};
    return writeScratchFile(name, test::writeBmp({.width = 2, .height = 2, .bits = 24, .body = test::packRows(rows, 24)}));
  }

  TransparencyKind transparency = trNone;
  bool pending = false;
  bool fromCache = false;
  const Mask* mask = nullptr;
};

TEST_F(Cache, KeysIgnoreLetterCaseAndSurroundingBlanks) {
  EXPECT_EQ(ImageCacheKey(" \tdir/Photo.jpg \r\n"), "DIR/PHOTO.JPG");
  EXPECT_EQ(ImageCacheKey("čšž.gif"), "ČŠŽ.GIF");
  std::string path = bmpFile("photo.jpg");
  PictureRef first = fetch(path);
  ASSERT_TRUE(first.bitmap);
  EXPECT_FALSE(fromCache);
  PictureRef upper = fetch(path.substr(0, path.size() - 3) + "JPG");
  EXPECT_TRUE(fromCache);
  EXPECT_EQ(upper.bitmap, first.bitmap);
  PictureRef blank = fetch(path + " ");
  EXPECT_TRUE(fromCache);
  EXPECT_EQ(blank.bitmap, first.bitmap);
  ASSERT_EQ(ImageCache().Count(), 1);
  EXPECT_EQ(ImageCache().Item(0).InUseCount, 3);
  ImageCache().ReleaseImage(path);
  ImageCache().ReleaseImage(" " + path);
  EXPECT_EQ(ImageCache().Item(0).InUseCount, 1);
}

TEST_F(Cache, IdleLimitZeroDropsEveryUnusedEntryAtTheNextLoad) {
  std::string path = bmpFile("zero.bmp");
  ImageCache().SetIdleLimit(0);
  ASSERT_TRUE(fetch(path));
  ImageCache().AgeEntries();  // still in use: kept
  EXPECT_EQ(ImageCache().Count(), 1);
  ImageCache().ReleaseImage(path);  // the old document is cleared
  ImageCache().AgeEntries();        // the new document loads
  EXPECT_EQ(ImageCache().Count(), 0);
  ASSERT_TRUE(fetch(path));
  EXPECT_FALSE(fromCache);
}

TEST_F(Cache, UnusedEntriesAgeOutAfterTheIdleLimit) {
  std::string a = bmpFile("a.bmp"), b = bmpFile("b.bmp");
  ASSERT_TRUE(fetch(a));
  ASSERT_TRUE(fetch(b));
  ImageCache().ReleaseImage(a);
  ImageCache().ReleaseImage(b);
  for (int i = 0; i < 3; ++i) ImageCache().AgeEntries();
  ASSERT_TRUE(fetch(b));  // taking an entry makes it young again
  ImageCache().ReleaseImage(b);
  ImageCache().AgeEntries();  // a is 4 now: not yet past the limit
  EXPECT_EQ(ImageCache().Count(), 2);
  ImageCache().AgeEntries();  // a is 5
  ASSERT_EQ(ImageCache().Count(), 1);
  EXPECT_EQ(ImageCache().IndexOf(b), 0);
  // Lowering the limit drops what is already older; the purge drops every unused entry.
  ImageCache().SetIdleLimit(1);
  EXPECT_EQ(ImageCache().Count(), 0);
  EXPECT_EQ(ImageCache().MaxIdle(), 1);
  ASSERT_TRUE(fetch(a));
  ASSERT_TRUE(fetch(b));
  ImageCache().ReleaseImage(b);
  ImageCache().PurgeUnused();
  ASSERT_EQ(ImageCache().Count(), 1);
  EXPECT_EQ(ImageCache().IndexOf(a), 0);
}

TEST_F(Cache, CornerMaskIsAddedToAnEntryThatHadNone) {
  std::string path = bmpFile("corner.bmp");
  ASSERT_TRUE(fetch(path));
  EXPECT_EQ(mask, nullptr);
  PictureRef again = fetch(path, trCorner);
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->bits, (std::vector<std::uint8_t>{0, 1, 1, 0}));  // top row green, blue; bottom blue, red
  EXPECT_EQ(ImageCache().Item(0).Transparency, trCorner);
  EXPECT_EQ(again.bitmap, ImageCache().Item(0).ImageBitmap.get());
}

TEST_F(Cache, MissingAndUnreadablePicturesAreNotStored) {
  EXPECT_FALSE(fetch(""));
  EXPECT_FALSE(fetch(test::scratchFolder() + "absent.bmp"));
  EXPECT_FALSE(fetch(writeScratchFile("text.bmp", "not a picture at all")));
  // A bitmap that claims more pixels than the budget allows.
  EXPECT_FALSE(fetch(writeScratchFile("huge.bmp", test::writeBmp({.width = 9000, .height = 9000, .bits = 24}))));
  EXPECT_EQ(ImageCache().Count(), 0);
}

test::GifSpec stillGif(bool transparent) {
  return {.width = 2, .height = 1, .globalTable = {0, 0xFF0000, 0x00FF00, 0},
          .frames = {{.width = 2, .height = 1, .indices = {1, 2}, .control = true, .transparent = transparent,
                      .transparentIndex = 2}}};
}

TEST_F(Cache, StillGifsBecomeBitmapsAndAnimatedOnesStayGifs) {
  PictureRef still = fetch(writeScratchFile("still.GIF", test::encodeGif(stillGif(true))), trCorner);
  ASSERT_TRUE(still.bitmap);
  EXPECT_FALSE(still.gif);
  EXPECT_EQ(transparency, trGif);
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->bits, (std::vector<std::uint8_t>{0, 1}));
  EXPECT_EQ(still.bitmap->pixels, (std::vector<std::uint32_t>{0xFF0000, 0}));
  // From the cache the kind is reported again.
  fetch(test::scratchFolder() + "still.GIF");
  EXPECT_TRUE(fromCache);
  EXPECT_EQ(transparency, trGif);

  PictureRef opaque = fetch(writeScratchFile("opaque.gif", test::encodeGif(stillGif(false))), trCorner);
  ASSERT_TRUE(opaque.bitmap);
  EXPECT_EQ(transparency, trCorner);
  ASSERT_NE(mask, nullptr);

  test::GifSpec moving = stillGif(false);
  moving.frames.push_back(moving.frames[0]);
  PictureRef animated = fetch(writeScratchFile("moving.gif", test::encodeGif(moving)));
  ASSERT_TRUE(animated.gif);
  EXPECT_FALSE(animated.bitmap);
  EXPECT_EQ(animated.gif->FrameCount(), 2);
  EXPECT_FALSE(animated.gif->ShowAllowed());
  EXPECT_FALSE(animated.gif->Playing());
  EXPECT_EQ(mask, nullptr);
}

TEST_F(Cache, HostRequestsAnswerWithDataLaterOrNothing) {
  std::string jpeg = test::encodeJpeg(8, 8, std::vector<std::uint32_t>(64, 0x336699), false);
  std::string gif = test::encodeGif(stillGif(true));
  std::vector<std::string> asked;
  ImageRequestHandler host = [&](const std::string& source, std::string*& stream) {
    asked.push_back(source);
    if (source == "later") stream = &PendingImageStream();
    if (source == "photo") stream = &jpeg;
    if (source == "icon") stream = &gif;
  };
  EXPECT_FALSE(fetch("later", trNone, host));
  EXPECT_TRUE(pending);
  EXPECT_FALSE(fetch("nothing", trNone, host));
  EXPECT_FALSE(pending);
  PictureRef photo = fetch("photo", trCorner, host);
  ASSERT_TRUE(photo.bitmap);
  EXPECT_EQ(mask, nullptr);
  EXPECT_EQ(transparency, trNone);
  PictureRef icon = fetch("icon", trNone, host);
  ASSERT_TRUE(icon.bitmap);
  EXPECT_EQ(transparency, trGif);
  EXPECT_NE(mask, nullptr);
  fetch("photo", trNone, host);
  EXPECT_TRUE(fromCache);
  EXPECT_EQ(asked, (std::vector<std::string>{"later", "nothing", "photo", "icon"}));
  EXPECT_EQ(ImageCache().Count(), 2);
}

TEST_F(Cache, APictureStoredMeanwhileUnderItsNameIsStillReturned) {
  std::string first = test::encodeJpeg(8, 8, std::vector<std::uint32_t>(64, 0x336699), false);
  std::string second = test::encodeJpeg(4, 4, std::vector<std::uint32_t>(16, 0x996633), false);
  PictureRef inner;
  // While the host answers, something else asks for the same picture and stores it.
  ImageRequestHandler host = [&](const std::string& source, std::string*& stream) {
    TransparencyKind kind = trNone;
    bool innerPending = false, innerFromCache = false;
    const Mask* innerMask = nullptr;
    ImageRequestHandler other = [&](const std::string&, std::string*& s) { s = &first; };
    inner = FetchImage(other, source, kind, innerPending, innerFromCache, innerMask);
    stream = &second;
  };
  PictureRef picture = fetch("photo", trNone, host);
  ASSERT_TRUE(inner.bitmap);
  // The caller sees the picture, the one the cache holds, and is one of its two users.
  ASSERT_TRUE(picture.bitmap);
  EXPECT_EQ(picture.bitmap, inner.bitmap);
  EXPECT_EQ(picture.bitmap->width, 8);
  ASSERT_EQ(ImageCache().Count(), 1);
  EXPECT_EQ(ImageCache().Item(0).InUseCount, 2);
  // Released by both, the entry ages out as any other; until then the picture stays.
  ImageCache().SetIdleLimit(0);
  ImageCache().ReleaseImage("photo");
  ImageCache().AgeEntries();
  ASSERT_EQ(ImageCache().Count(), 1);
  ImageCache().ReleaseImage("photo");
  ImageCache().AgeEntries();
  EXPECT_EQ(ImageCache().Count(), 0);
}

TEST_F(Cache, StoringUnderATakenKeyLeavesTheItemWithTheCaller) {
  auto item = std::make_unique<TBitmapItem>();
  item->ImageBitmap = std::make_unique<Bitmap>(1, 1);
  ASSERT_TRUE(ImageCache().StoreImage("x", item));
  EXPECT_FALSE(item);
  auto second = std::make_unique<TBitmapItem>();
  EXPECT_FALSE(ImageCache().StoreImage(" X ", second));
  EXPECT_TRUE(second);
  EXPECT_EQ(ImageCache().Item(0).InUseCount, 1);
}

TEST_F(Cache, PicturesTogetherStayWithinTheBudgetAndUnusedOnesMakeRoom) {
  ImageCache().SetMaxBytes(3 * 100 * 100 * 4);
  auto picture = [](int side) {
    auto item = std::make_unique<TBitmapItem>();
    item->ImageBitmap = std::make_unique<Bitmap>(side, side);
    return item;
  };
  auto a = picture(100), b = picture(100), c = picture(100), d = picture(100);
  ASSERT_TRUE(ImageCache().StoreImage("a", a));
  ASSERT_TRUE(ImageCache().StoreImage("b", b));
  ASSERT_TRUE(ImageCache().StoreImage("c", c));
  EXPECT_EQ(ImageCache().Bytes(), 3 * 100 * 100 * 4);
  // Every picture is in use: the fourth fails and stays with the caller.
  EXPECT_FALSE(ImageCache().StoreImage("d", d));
  EXPECT_TRUE(d);
  // Once one is no longer used it gives way.
  ImageCache().ReleaseImage("b");
  EXPECT_TRUE(ImageCache().StoreImage("d", d));
  EXPECT_EQ(ImageCache().IndexOf("b"), -1);
  EXPECT_EQ(ImageCache().Bytes(), 3 * 100 * 100 * 4);
  ImageCache().Clear();
  EXPECT_EQ(ImageCache().Bytes(), 0);
}

TEST_F(Cache, AFetchBeyondTheBudgetShowsAsBroken) {
  ImageCache().SetMaxBytes(10);
  EXPECT_FALSE(fetch(bmpFile("over.bmp")));
  EXPECT_EQ(ImageCache().Count(), 0);
  ImageCache().SetMaxBytes(TStringBitmapList::DefaultMaxBytes);
  EXPECT_TRUE(fetch(bmpFile("over.bmp")));
}

}  // namespace
}  // namespace tavra
