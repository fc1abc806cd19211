#include "platform/win/kernel/low_code.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/win/kernel/memory.h"

namespace win {
namespace {

int add(int a, int b) { return a + b; }
int subtract(int a, int b) { return a - b; }

template <class F>
F* function_at(std::uint32_t address) {
  return reinterpret_cast<F*>(static_cast<std::uintptr_t>(address));
}

// The permissions of the mapping that holds the address, as /proc shows them.
std::string permissions_at(std::uint32_t address) {
  std::string found;
  if (FILE* maps = std::fopen("/proc/self/maps", "r")) {
    char line[512];
    unsigned long long start = 0, end = 0;
    char perms[5] = {};
    while (std::fgets(line, sizeof line, maps))
      if (std::sscanf(line, "%llx-%llx %4s", &start, &end, perms) == 3 && address >= start &&
          address < end)
        found = perms;
    std::fclose(maps);
  }
  return found;
}

TEST(LowCode, StubLiesLowLeadsToItsFunctionAndIsReused) {
  const std::uint32_t to_add = low_code_address(&add);
  const std::uint32_t to_subtract = low_code_address(&subtract);
  EXPECT_LT(to_add, 0x80000000u);
  EXPECT_NE(to_add, to_subtract);
  EXPECT_EQ(low_code_address(&add), to_add);
  EXPECT_EQ(function_at<int(int, int)>(to_add)(7, 5), 12);
  EXPECT_EQ(function_at<int(int, int)>(to_subtract)(7, 5), 2);
  EXPECT_EQ(code_behind(to_add), reinterpret_cast<const void*>(&add));
  EXPECT_EQ(IsBadCodePtr(function_at<void>(to_add)), 0);
  // Code that already fits is its own low address, and leads to itself.
  EXPECT_EQ(code_behind(0x40001000u), reinterpret_cast<const void*>(std::uintptr_t{0x40001000}));
  EXPECT_THROW(low_code_address(static_cast<const void*>(nullptr)), std::invalid_argument);
}

TEST(LowCode, StubsAreNeverWritable) {
  const std::uint32_t stub = low_code_address(&add);
  if (reinterpret_cast<std::uintptr_t>(&add) <= 0x7FFFFFFFu)
    GTEST_SKIP() << "built position dependent";
  EXPECT_EQ(permissions_at(stub).substr(0, 3), "r-x");
  const auto* slot_page = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(stub)) + 4096;
  EXPECT_EQ(permissions_at(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(slot_page)))
                .substr(0, 3),
            "r--");
}

// Stubs asked for from several threads at once: one stub a target, each
// leading where it should, past the first page of stubs.
TEST(LowCode, ManyTargetsFromSeveralThreads) {
  static const std::uint8_t targets[2048] = {};
  std::vector<std::vector<std::uint32_t>> seen(4);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < seen.size(); ++t)
    threads.emplace_back([&, t] {
      for (const std::uint8_t& target : targets) seen[t].push_back(low_code_address(&target));
    });
  for (std::thread& thread : threads) thread.join();
  for (std::size_t i = 0; i < std::size(targets); ++i) {
    for (const auto& s : seen) ASSERT_EQ(s[i], seen[0][i]);
    if (reinterpret_cast<std::uintptr_t>(&targets[i]) > 0x7FFFFFFFu) {
      ASSERT_EQ(code_behind(seen[0][i]), &targets[i]);
    }
  }
}

}  // namespace
}  // namespace win
