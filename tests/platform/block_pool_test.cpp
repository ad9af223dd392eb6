#include "platform/block_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

using namespace tavra;

namespace {

// A size that a slab cannot hold has no pool: asking for one does not compile.
template <std::size_t Size>
concept Poolable = requires { typename BlockPool<Size>; };
static_assert(Poolable<kBlockPoolSlabBytes>);
static_assert(!Poolable<kBlockPoolSlabBytes + 1>);

// Every block filled to its last byte with its own mark; any overlap or short block spoils one.
void fill(const std::vector<void*>& blocks, std::size_t size) {
  for (std::size_t i = 0; i < blocks.size(); ++i) std::memset(blocks[i], int(i % 251), size);
}

bool intact(const std::vector<void*>& blocks, std::size_t size) {
  for (std::size_t i = 0; i < blocks.size(); ++i)
    for (std::size_t b = 0; b < size; ++b)
      if (static_cast<unsigned char*>(blocks[i])[b] != i % 251) return false;
  return true;
}

template <std::size_t Size>
void checkBlocksNeverOverlap() {
  SCOPED_TRACE(Size);
  BlockPool<Size> pool;
  std::vector<void*> blocks;
  // More than two slabs of each.
  for (std::size_t i = 0; i < 2 * kBlockPoolSlabBytes / pool.blockSize + 3; ++i) blocks.push_back(pool.allocate());
  for (void* block : blocks) EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u);
  fill(blocks, Size);
  EXPECT_TRUE(intact(blocks, Size));

  for (std::size_t i = 0; i < blocks.size(); i += 2) pool.release(blocks[i]);
  for (std::size_t i = 0; i < blocks.size(); i += 2) blocks[i] = pool.allocate();
  fill(blocks, Size);
  EXPECT_TRUE(intact(blocks, Size)) << "after reuse";
  for (void* block : blocks) pool.release(block);
}

}  // namespace

TEST(BlockPool, BlocksAcrossSlabsAndReusedOnesNeverOverlap) {
  checkBlocksNeverOverlap<1>();
  checkBlocksNeverOverlap<8>();
  checkBlocksNeverOverlap<24>();
  checkBlocksNeverOverlap<232>();
  checkBlocksNeverOverlap<5000>();
  checkBlocksNeverOverlap<kBlockPoolSlabBytes>();
}

// A document freed and made again takes the blocks of the last one, not new memory.
TEST(BlockPool, FreedBlocksAreGivenOutAgain) {
  BlockPool<232> pool;
  std::vector<void*> first(600);
  for (void*& block : first) block = pool.allocate();
  for (void* block : first) pool.release(block);
  std::vector<void*> second(first.size());
  for (void*& block : second) block = pool.allocate();
  std::sort(first.begin(), first.end());
  std::sort(second.begin(), second.end());
  EXPECT_EQ(second, first);
  for (void* block : second) pool.release(block);
}
