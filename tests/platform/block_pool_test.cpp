#include "platform/block_pool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

using namespace tavra;

namespace {

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

}  // namespace

TEST(BlockPool, BlocksAcrossSlabsAndReusedOnesNeverOverlap) {
  for (std::size_t size : {1u, 8u, 24u, 232u, 5000u}) {
    BlockPool pool(size);
    std::vector<void*> blocks;
    for (int i = 0; i < 700; ++i) blocks.push_back(pool.allocate());  // more than one slab of each
    for (void* block : blocks) EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u);
    fill(blocks, size);
    EXPECT_TRUE(intact(blocks, size)) << size;

    for (std::size_t i = 0; i < blocks.size(); i += 2) pool.release(blocks[i]);
    for (std::size_t i = 0; i < blocks.size(); i += 2) blocks[i] = pool.allocate();
    fill(blocks, size);
    EXPECT_TRUE(intact(blocks, size)) << size << " after reuse";
    for (void* block : blocks) pool.release(block);
  }
}
