#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <utility>

#include "conversion/owned_text.h"

namespace quorvane {
namespace {

// A heap that counts what it hands out and takes back, and refuses on request.
struct CountingHeap {
  static inline int live = 0;
  static inline bool refuse = false;
  static inline std::size_t refused_bytes = 0;

  static void* Allocate(std::size_t bytes) noexcept {
    if (refuse) {
      return nullptr;
    }
    ++live;
    return std::malloc(bytes);
  }
  static void Release(void* bytes) noexcept {
    --live;
    std::free(bytes);
  }
  static void ReportFailure(std::size_t bytes) noexcept { refused_bytes = bytes; }
};

const TextHeap kCountingHeap = {CountingHeap::Allocate, CountingHeap::Release, CountingHeap::ReportFailure};

class OwnedTextTest : public testing::Test {
 protected:
  void SetUp() override {
    CountingHeap::live = 0;
    CountingHeap::refuse = false;
    CountingHeap::refused_bytes = 0;
  }
};

TEST_F(OwnedTextTest, AllocatesZeroedRoomWithATerminator) {
  OwnedText text = OwnedText::Allocate(kCountingHeap, 5);
  ASSERT_FALSE(text.IsNone());
  EXPECT_EQ(std::memcmp(text.Bytes(), "\0\0\0\0\0\0", 6), 0);
  std::memcpy(text.MutableBytes(), "382", 3);
  EXPECT_STREQ(text.Bytes(), "382");
  EXPECT_EQ(CountingHeap::live, 1);
}

TEST_F(OwnedTextTest, EmptyTextIsNoneAndTakesNothing) {
  OwnedText text = OwnedText::Allocate(kCountingHeap, 0);
  EXPECT_TRUE(text.IsNone());
  EXPECT_EQ(text.Bytes(), nullptr);
  EXPECT_EQ(CountingHeap::live, 0);
}

TEST_F(OwnedTextTest, ReleasingGivesTheBytesBackOnceAndNoneIsHarmless) {
  OwnedText text = OwnedText::Allocate(kCountingHeap, 3);
  ReleaseText(text);
  EXPECT_TRUE(text.IsNone());
  EXPECT_EQ(CountingHeap::live, 0);
  ReleaseText(text);  // none: nothing happens
  OwnedText none;
  ReleaseText(none);
  EXPECT_EQ(CountingHeap::live, 0);
}

TEST_F(OwnedTextTest, MovingHandsOverOwnershipAndScopeReleases) {
  {
    OwnedText first = OwnedText::Allocate(kCountingHeap, 3);
    OwnedText second = std::move(first);
    EXPECT_TRUE(first.IsNone());
    EXPECT_FALSE(second.IsNone());
    OwnedText third = OwnedText::Allocate(kCountingHeap, 3);
    third = std::move(second);  // third's own bytes go back first
    EXPECT_EQ(CountingHeap::live, 1);
  }
  EXPECT_EQ(CountingHeap::live, 0);
}

TEST_F(OwnedTextTest, ARefusalIsReportedWithTheByteCount) {
  CountingHeap::refuse = true;
  OwnedText text = OwnedText::Allocate(kCountingHeap, 1'000'000);
  EXPECT_TRUE(text.IsNone());
  EXPECT_EQ(CountingHeap::refused_bytes, 1'000'001u) << "the text and its terminator";
  CountingHeap::refuse = false;
  OwnedText largest = OwnedText::Allocate(kCountingHeap, SIZE_MAX);  // one more byte would wrap to 0
  EXPECT_TRUE(largest.IsNone());
  EXPECT_EQ(CountingHeap::refused_bytes, SIZE_MAX);
}

}  // namespace
}  // namespace quorvane
