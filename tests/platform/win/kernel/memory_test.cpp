#include "platform/win/kernel/memory.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/win/user/window.h"

namespace win {
namespace {

int some_function() { return 1; }

TEST(VirtualMemory, ExecutableBlocksLieLowAndComeAndGoFromTheMaps) {
  void* block = VirtualAlloc(nullptr, 524, MEM_COMMIT, PAGE_EXECUTE_READWRITE);
  ASSERT_NE(block, nullptr);
  EXPECT_LT(reinterpret_cast<std::uintptr_t>(block), 0x80000000u);
  EXPECT_EQ(static_cast<unsigned char*>(block)[523], 0);
  EXPECT_EQ(IsBadCodePtr(block), 0);
  EXPECT_TRUE(VirtualFree(block, 0, MEM_RELEASE));
  EXPECT_NE(IsBadCodePtr(block), 0);
  EXPECT_FALSE(VirtualFree(block, 0, MEM_RELEASE));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(VirtualMemory, IsBadCodePtrTellsCodeFromData) {
  static int data = 0;
  int local = 0;
  EXPECT_EQ(IsBadCodePtr(reinterpret_cast<void*>(&some_function)), 0);
  EXPECT_NE(IsBadCodePtr(&data), 0);
  EXPECT_NE(IsBadCodePtr(&local), 0);
  EXPECT_NE(IsBadCodePtr(nullptr), 0);
  void* rw = VirtualAlloc(nullptr, 100, MEM_COMMIT, PAGE_READWRITE);
  EXPECT_NE(IsBadCodePtr(rw), 0);
  VirtualFree(rw, 0, MEM_RELEASE);
}

TEST(VirtualMemory, FailuresSetTheLastError) {
  EXPECT_EQ(VirtualAlloc(nullptr, 0, MEM_COMMIT, PAGE_READWRITE), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(VirtualAlloc(nullptr, 16, MEM_COMMIT, 0x1234), nullptr);
  fail_next_virtual_alloc(ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(VirtualAlloc(nullptr, 16, MEM_COMMIT, PAGE_READWRITE), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  void* ok = VirtualAlloc(nullptr, 16, MEM_COMMIT, PAGE_READWRITE);
  EXPECT_NE(ok, nullptr);
  int value = 0x12345678;
  RtlMoveMemory(ok, &value, 4);
  EXPECT_EQ(*static_cast<int*>(ok), 0x12345678);
  EXPECT_FALSE(VirtualFree(ok, 16, MEM_RELEASE));
  EXPECT_TRUE(VirtualFree(ok, 0, MEM_RELEASE));
}

}  // namespace
}  // namespace win
