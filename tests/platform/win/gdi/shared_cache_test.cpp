// The bounded cache under the corner tables and the window regions.
#include "platform/win/gdi/shared_cache.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace win {
namespace {

using Cache = SharedCache<int, std::string>;

std::shared_ptr<const std::string> value(const char* text) {
  return std::make_shared<const std::string>(text);
}

// Oldest first past either bound; the first value kept for a key wins; a
// value heavier than the whole bound is handed back without emptying the
// cache for it.
TEST(SharedCache, ForgetsOldestFirstAndNeverKeepsWhatCannotFit) {
  Cache cache(3, 10);
  cache.keep(1, value("one"), 4);
  cache.keep(2, value("two"), 4);
  EXPECT_EQ(*cache.keep(2, value("other"), 1), "two");
  EXPECT_EQ(cache.weight(), 8u);

  cache.keep(3, value("three"), 4);  // 12 > 10: "one" goes
  EXPECT_EQ(cache.find(1), nullptr);
  EXPECT_EQ(*cache.find(2), "two");
  EXPECT_EQ(cache.weight(), 8u);

  cache.keep(4, value("four"), 1);
  cache.keep(5, value("five"), 1);  // four values > 3: "two" goes
  EXPECT_EQ(cache.find(2), nullptr);
  EXPECT_EQ(cache.size(), 3u);

  const std::shared_ptr<const std::string> held = cache.find(3);
  EXPECT_EQ(*cache.keep(6, value("huge"), 11), "huge");
  EXPECT_EQ(cache.find(6), nullptr);
  EXPECT_EQ(cache.size(), 3u);

  cache.clear();
  EXPECT_EQ(cache.size(), 0u);
  EXPECT_EQ(cache.weight(), 0u);
  EXPECT_EQ(*held, "three");  // a holder keeps a forgotten value alive
}

}  // namespace
}  // namespace win
