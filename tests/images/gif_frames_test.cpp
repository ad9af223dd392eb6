// Every GIF of the tests and the fuzz corpus, and damaged copies of each, decodes to the
// frames and compositions recorded in tests/data/gif_frames.txt. The record was computed
// by the decoder before it was rewritten for speed, so a faster decoder must give the very
// same pixels. After a deliberate change of what a picture decodes to, run the test with
// TAVRA_RECORD_GIF_FRAMES=1 to write the record afresh, and say why in the commit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "html/images/gif_image.h"
#include "images/encoders.h"

namespace tavra {
namespace {

namespace fs = std::filesystem;
using test::encodeGif;
using test::GifFrameSpec;
using test::GifSpec;

const char* const kRecord = TAVRA_TEST_DATA "/gif_frames.txt";

class Fingerprint {
 public:
  void add(std::uint64_t value) {
    for (int i = 0; i < 8; ++i) byte(std::uint8_t(value >> (8 * i)));
  }
  template <typename T>
  void add(const std::vector<T>& values) {
    add(values.size());
    for (const T& v : values) add(std::uint64_t(v));
  }
  std::uint64_t value() const { return hash_; }

 private:
  void byte(std::uint8_t b) { hash_ = (hash_ ^ b) * 0x100000001B3ull; }
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

// What a user can see of a picture: its frames, and the picture composed at every frame
// of one round and back at frame 1.
std::uint64_t fingerprintOf(const std::string& data) {
  Fingerprint print;
  TGIFImage gif;
  const bool loaded = gif.LoadFromStream(data);
  print.add(loaded);
  if (!loaded) return print.value();
  print.add(std::uint64_t(gif.FrameCount()));
  print.add(std::uint64_t(gif.Width()) << 32 | std::uint64_t(gif.Height()));
  for (int n = 1; n <= gif.FrameCount(); ++n) {
    const TFrame& f = gif.Frame(n);
    print.add(std::uint64_t(f.Left) << 48 | std::uint64_t(f.Top) << 32 | std::uint64_t(f.Width) << 16 |
              std::uint64_t(f.Height));
    print.add(f.Bitmap.pixels);
    print.add(f.MaskBitmap.bits);
    print.add(f.TransparentColour);
  }
  for (int n = 1; n <= gif.FrameCount() + 1; ++n) {
    gif.SetFrameIndex(n);
    print.add(gif.ImageDC().pixels);
    print.add(gif.MaskDC().bits);
  }
  return print.value();
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint32_t> colours(int n, std::uint32_t seed) {
  std::vector<std::uint32_t> t;
  for (int i = 0; i < n; ++i) t.push_back((std::uint32_t(i) * 0x2F1D07u + seed) & 0xFFFFFFu);
  return t;
}

// Pixels with runs and noise, so that strings of every length reach the table.
std::vector<std::uint8_t> pixelsOf(int w, int h, int colourCount, std::mt19937& random) {
  std::vector<std::uint8_t> px(std::size_t(w) * std::size_t(h));
  for (std::size_t i = 0; i < px.size(); ++i) {
    const bool noise = random() % 5 == 0;
    px[i] = std::uint8_t(noise ? random() % unsigned(colourCount) : (i / 7 + i / std::size_t(w)) % unsigned(colourCount));
  }
  return px;
}

// Pictures made here: every code size, interlaced and not, and an animation with every
// disposal, offsets, local tables and transparency.
std::vector<std::pair<std::string, std::string>> generatedPictures() {
  std::vector<std::pair<std::string, std::string>> pictures;
  std::mt19937 random(21);
  for (int bits = 1; bits <= 8; ++bits) {
    for (bool interlaced : {false, true}) {
      const int w = 37 + bits * 11, h = 3 + bits * 9;
      GifSpec desc{.width = w, .height = h, .globalTable = colours(1 << bits, std::uint32_t(bits))};
      GifFrameSpec frame{.width = w, .height = h, .indices = pixelsOf(w, h, 1 << bits, random)};
      frame.interlaced = interlaced;
      frame.subBlockSize = 1 + bits * 31;
      desc.frames.push_back(frame);
      pictures.emplace_back("bits" + std::to_string(bits) + (interlaced ? "i" : ""), encodeGif(desc));
    }
  }
  GifSpec anim{.width = 61, .height = 45, .globalTable = colours(64, 5), .loopCount = 0};
  for (int n = 0; n < 12; ++n) {
    const int w = 10 + n * 4, h = 8 + n * 3;
    GifFrameSpec frame{.left = (n * 7) % 20, .top = (n * 5) % 15, .width = w, .height = h};
    frame.indices = pixelsOf(w, h, n % 3 == 2 ? 16 : 64, random);
    if (n % 3 == 2) frame.localTable = colours(16, std::uint32_t(n) * 999);
    frame.control = true;
    frame.disposal = n % 4;
    frame.delay = 3;
    frame.transparent = n % 2 == 1;
    frame.transparentIndex = std::uint8_t(n % 16);
    frame.interlaced = n % 5 == 4;
    anim.frames.push_back(frame);
  }
  pictures.emplace_back("animation", encodeGif(anim));
  return pictures;
}

// Every picture of the tests and the fuzz corpus, and damaged copies of each: bytes
// changed in the pixel data, and the file cut short.
std::vector<std::pair<std::string, std::string>> allPictures() {
  std::vector<std::pair<std::string, std::string>> pictures = generatedPictures();
  pictures.emplace_back("svice.gif", readFile(fs::path(TAVRA_SAMPLE_DATA) / "svice.gif"));
  std::vector<fs::path> corpus;
  for (const auto& entry : fs::directory_iterator(fs::path(TAVRA_SAMPLE_DATA) / "../fuzz/corpus/gif"))
    corpus.push_back(entry.path());
  std::sort(corpus.begin(), corpus.end());
  for (const fs::path& path : corpus) pictures.emplace_back("corpus/" + path.filename().string(), readFile(path));

  std::mt19937 random(2121);
  const std::size_t whole = pictures.size();
  for (std::size_t p = 0; p < whole; ++p) {
    const auto [name, data] = pictures[p];
    if (data.size() < 40) continue;
    for (int copy = 0; copy < 6; ++copy) {
      std::string damaged = data;
      for (int n = 0; n < 1 + copy * 3; ++n) {
        const std::size_t at = 13 + random() % (damaged.size() - 13);
        damaged[at] = char(random());
      }
      pictures.emplace_back(name + "/damaged" + std::to_string(copy), damaged);
    }
    for (int cut = 1; cut <= 4; ++cut)
      pictures.emplace_back(name + "/cut" + std::to_string(cut), data.substr(0, data.size() * std::size_t(cut) / 5));
  }
  return pictures;
}

TEST(GifFrames, EveryPictureDecodesToTheRecordedFrames) {
  const auto pictures = allPictures();
  ASSERT_GT(pictures.size(), 100u);
  std::ostringstream computed;
  for (const auto& [name, data] : pictures) computed << name << ' ' << std::hex << fingerprintOf(data) << '\n';
  if (std::getenv("TAVRA_RECORD_GIF_FRAMES")) {
    std::ofstream(kRecord, std::ios::binary) << computed.str();
    GTEST_SKIP() << "recorded " << kRecord;
  }
  std::map<std::string, std::string> recorded;
  std::istringstream in(readFile(kRecord));
  for (std::string name, print; in >> name >> print;) recorded[name] = print;
  ASSERT_EQ(recorded.size(), pictures.size()) << "the record " << kRecord << " is missing or out of date";
  std::istringstream now(computed.str());
  for (std::string name, print; now >> name >> print;) EXPECT_EQ(print, recorded[name]) << name;
}

}  // namespace
}  // namespace tavra
