#include "platform/win/kernel/excerpt.h"

#include <gtest/gtest.h>

namespace win {
namespace {

TEST(Excerpt, ControlBytesAndNulAreEscapedAndLongTextIsCut) {
  EXPECT_EQ(printable_excerpt("plain text, \"quoted\""), "plain text, \"quoted\"");
  EXPECT_EQ(printable_excerpt(std::string("a\0b\n\x7f\xe9", 6)), "a\\x00b\\x0A\\x7F\\xE9");
  EXPECT_EQ(printable_excerpt(std::string(100, 'x'), 10), "xxxxxxxxxx... (100 bytes in all)");
  EXPECT_EQ(printable_excerpt(std::string(10, 'x'), 10), "xxxxxxxxxx");
  EXPECT_EQ(printable_excerpt(std::string(200, 'y')).size(),
            kExcerptBytes + std::string("... (200 bytes in all)").size());
}

}  // namespace
}  // namespace win
