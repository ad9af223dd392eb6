// Decoding speed of the GIF decoder beside giflib on generated pictures of 256 colours with
// smooth areas, edges and noise, as photos and drawings mix them: the benchmark's picture
// (ten 400 x 300 frames), a large still picture (1600 x 1200) and a many-frame animation
// (200 frames of 160 x 120).

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "html/images/gif_image.h"
#include "ratio_line.h"

using namespace tavra;

namespace {

struct Shape {
  const char* name;
  int width, height, frames;
};
constexpr Shape kAnimated{"", 400, 300, 10};
constexpr Shape kLargeStill{", large still picture", 1600, 1200, 1};
constexpr Shape kManyFrames{", many-frame animation", 160, 120, 200};

void put16(std::string& s, int v) {
  s += char(v & 0xFF);
  s += char((v >> 8) & 0xFF);
}

// A plain LZW encoder (code size 8), its code widths following the reader's rule.
std::string lzwSubBlocks(const std::vector<std::uint8_t>& px) {
  std::vector<std::uint8_t> out;
  std::uint32_t acc = 0;
  int bits = 0, width = 9, readerFree = 258;
  bool first = true;
  auto emit = [&](int code) {
    acc |= std::uint32_t(code) << bits;
    for (bits += width; bits >= 8; bits -= 8) out.push_back(std::uint8_t(acc)), acc >>= 8;
    if (code == 256) {
      width = 9, readerFree = 258, first = true;
      return;
    }
    if (!first && readerFree < 4096 && ++readerFree >= (1 << width) && width < 12) ++width;
    first = false;
  };
  std::unordered_map<std::uint32_t, int> dict;
  int next = 258, current = px[0];
  emit(256);
  for (std::size_t i = 1; i < px.size(); ++i) {
    std::uint32_t key = std::uint32_t(current) << 8 | px[i];
    if (auto it = dict.find(key); it != dict.end()) {
      current = it->second;
      continue;
    }
    emit(current);
    dict[key] = next++;
    current = px[i];
    if (next == 4096) emit(256), dict.clear(), next = 258;
  }
  emit(current);
  emit(257);
  if (bits > 0) out.push_back(std::uint8_t(acc));
  std::string s;
  for (std::size_t at = 0; at < out.size(); at += 255) {
    std::size_t n = std::min<std::size_t>(255, out.size() - at);
    s += char(n);
    s.append(reinterpret_cast<const char*>(out.data()) + at, n);
  }
  return s + '\0';
}

std::string pictureGif(const Shape& shape) {
  const int w = shape.width, h = shape.height, frames = shape.frames;
  std::string s = "GIF89a";
  put16(s, w);
  put16(s, h);
  s += std::string("\xF7\0\0", 3);  // global table of 256 colours
  for (int i = 0; i < 256; ++i) s += char(i), s += char(255 - i), s += char((i * 7) & 0xFF);
  s += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\0\0\0", 19);
  std::mt19937 rng(11);
  std::vector<std::uint8_t> px(std::size_t(w) * h);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        int v = ((x + f * 9) / 6 + y / 10) & 0xFF;               // smooth bands
        if ((x / 40 + y / 30 + f) % 3 == 0) v = (x * y + f) & 0xFF;  // busy patches
        if (rng() % 16 == 0) v = int(rng() & 0xFF);                 // noise
        px[std::size_t(y) * w + std::size_t(x)] = std::uint8_t(v);
      }
    s += std::string("\x21\xF9\x04\x04\x05\0\0\0", 8);
    s += ',';
    put16(s, 0), put16(s, 0), put16(s, w), put16(s, h);
    s += '\0';
    s += char(8);
    s += lzwSubBlocks(px);
  }
  return s + ';';
}

const Shape& shapeOf(const benchmark::State& state) {
  static constexpr const Shape* kShapes[] = {&kAnimated, &kLargeStill, &kManyFrames};
  return *kShapes[state.range(0)];
}

void BM_DecodeGif(benchmark::State& state) {
  const Shape& shape = shapeOf(state);
  const std::string data = pictureGif(shape);
  for (auto _ : state) {
    TGIFImage gif;
    bool ok = gif.LoadFromStream(data);
    benchmark::DoNotOptimize(ok);
    if (!ok || gif.FrameCount() != shape.frames) state.SkipWithError("the generated GIF did not decode");
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(data.size()));
  state.SetItemsProcessed(std::int64_t(state.iterations()) * shape.frames * shape.width * shape.height);
  state.counters["frames_per_s"] =
      benchmark::Counter(double(state.iterations()) * shape.frames, benchmark::Counter::kIsRate);
}
// 0 the benchmark's picture, 1 the large still picture, 2 the many-frame animation.
BENCHMARK(BM_DecodeGif)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Playing: one round of the many-frame animation, each frame disposed of and the next
// composed onto the shown picture (the benchmark's frames cover the whole picture).
void BM_PlayManyFrames(benchmark::State& state) {
  TGIFImage gif;
  if (!gif.LoadFromStream(pictureGif(kManyFrames))) state.SkipWithError("the generated GIF did not decode");
  for (auto _ : state) {
    for (int n = 1; n <= gif.FrameCount(); ++n) gif.SetFrameIndex(n % gif.FrameCount() + 1);
    benchmark::DoNotOptimize(gif.ImageDC().pixels.data());
  }
  state.counters["frames_per_s"] =
      benchmark::Counter(double(state.iterations()) * kManyFrames.frames, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlayManyFrames)->Unit(benchmark::kMillisecond);

// Structure only, as the image fetch does first to tell still pictures from animations.
void BM_ScanAnimatedGif(benchmark::State& state) {
  const std::string data = pictureGif(kAnimated);
  for (auto _ : state) {
    TGIFImage gif;
    benchmark::DoNotOptimize(gif.ScanStream(data));
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(data.size()));
}
BENCHMARK(BM_ScanAnimatedGif)->Unit(benchmark::kMicrosecond);

// The peer: the common C library decoding the same file into its index buffers, then each
// frame turned into 32-bit pixels through its colour table, which is the work our decoder
// does for every frame as well.
struct MemoryReader {
  const std::string* data;
  std::size_t at = 0;
};

int readFromMemory(GifFileType* file, GifByteType* buffer, int length) {
  auto* reader = static_cast<MemoryReader*>(file->UserData);
  std::size_t n = std::min<std::size_t>(std::size_t(length), reader->data->size() - reader->at);
  std::memcpy(buffer, reader->data->data() + reader->at, n);
  reader->at += n;
  return int(n);
}

bool peerDecode(const std::string& data, std::vector<std::uint32_t>& pixels) {
  MemoryReader reader{&data};
  int error = 0;
  GifFileType* file = DGifOpen(&reader, readFromMemory, &error);
  if (!file) return false;
  bool ok = DGifSlurp(file) == GIF_OK;
  for (int f = 0; ok && f < file->ImageCount; ++f) {
    const SavedImage& image = file->SavedImages[f];
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : file->SColorMap;
    if (!map) continue;
    const int w = image.ImageDesc.Width, h = image.ImageDesc.Height;
    pixels.resize(std::size_t(w) * std::size_t(h));
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      const GifColorType& c = map->Colors[image.RasterBits[i] % map->ColorCount];
      pixels[i] = std::uint32_t(c.Red) << 16 | std::uint32_t(c.Green) << 8 | c.Blue;
    }
  }
  DGifCloseFile(file, &error);
  return ok;
}

void BM_PeerDecodeGif(benchmark::State& state) {
  const std::string data = pictureGif(shapeOf(state));
  std::vector<std::uint32_t> pixels;
  for (auto _ : state) {
    if (!peerDecode(data, pixels)) state.SkipWithError("the peer could not decode the GIF");
    benchmark::DoNotOptimize(pixels.data());
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(data.size()));
}
BENCHMARK(BM_PeerDecodeGif)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Best of several rounds, ours and the peer's in turns, so that neither meets a busy
// moment of the machine (or its memory being reclaimed under the fresh frames) alone.
template <typename Ours, typename Peer>
std::pair<double, double> bestSeconds(Ours ours, Peer peer) {
  auto seconds = [](auto decode) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i) decode();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  double bestOurs = 1e30, bestPeer = 1e30;
  for (int round = 0; round < 15; ++round) {
    bestOurs = std::min(bestOurs, seconds(ours));
    bestPeer = std::min(bestPeer, seconds(peer));
  }
  return {bestOurs, bestPeer};
}

}  // namespace

int main(int argc, char** argv) {
  tavra::bench::startRatioFile();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  for (const Shape* shape : {&kAnimated, &kLargeStill, &kManyFrames}) {
    const std::string data = pictureGif(*shape);
    std::vector<std::uint32_t> pixels;
    const auto [ours, peer] = bestSeconds(
        [&] {
          TGIFImage gif;
          benchmark::DoNotOptimize(gif.LoadFromStream(data));
        },
        [&] { benchmark::DoNotOptimize(peerDecode(data, pixels)); });
    tavra::bench::ratioLine("gif decode vs giflib%s: %.2fx", shape->name, peer / ours);
  }
  return 0;
}
