#include "platform/forms/property_bag.h"

#include <gtest/gtest.h>

#include "platform/forms/value_conversion.h"

namespace forms {
namespace {

TEST(PropertyBag, ReadsTheDefaultOnlyWhenTheKeyIsAbsentAndMatchesKeysWithoutCase) {
  PropertyBag bag;
  EXPECT_EQ(bag.read_long("ColorBright", 0xFFEDB0), 0xFFEDB0);
  bag.write("colorbright", std::int32_t{0x123456});
  EXPECT_EQ(bag.read_long("ColorBright", 0xFFEDB0), 0x123456);
  EXPECT_EQ(bag.read_long("COLORBRIGHT", 0), 0x123456);
  EXPECT_EQ(bag.read("ColorBright", std::int32_t{7}), Value{std::int32_t{0x123456}});
  bag.write("ColorBright", std::int32_t{1});  // same key: replaced in place, spelling kept
  ASSERT_EQ(bag.size(), 1u);
  EXPECT_EQ(bag.entries()[0].first, "colorbright");
  EXPECT_EQ(bag.read_long("colorBright", 0), 1);
}

TEST(PropertyBag, WriteWithADefaultStoresOnlyValuesThatDiffer) {
  PropertyBag bag;
  bag.write("Enabled", Flag{true}, Flag{true});
  bag.write("Style", std::int32_t{0}, std::int16_t{0});  // 16-bit zero default equals 32-bit 0
  bag.write("PictureAlignment", std::int32_t{0}, std::uint8_t{0});
  bag.write("Caption", std::string("CandyButton"), std::string("CandyButton"));
  EXPECT_TRUE(bag.empty());
  bag.write("Checked", Flag{false});  // no default: always stored
  bag.write("IconHighLiteColor", std::int32_t{0}, std::int32_t{0xFF00});
  bag.write("Caption", std::string("candybutton"),
            std::string("CandyButton"));  // text compares exactly
  ASSERT_EQ(bag.size(), 3u);
  EXPECT_EQ(bag.entries()[0].first, "Checked");
  // Writing the default later removes an earlier value.
  bag.write("IconHighLiteColor", std::int32_t{0xFF00}, std::int32_t{0xFF00});
  EXPECT_EQ(bag.find("IconHighLiteColor"), nullptr);
  EXPECT_TRUE(values_equal(Flag{true}, std::int16_t{-1}));
  EXPECT_FALSE(values_equal(std::string("0"), std::int32_t{0}));
}

TEST(PropertyBag, KeepsTheExtentAheadOfTheControlsKeys) {
  PropertyBag bag;
  bag.write("Caption", std::string("Music"));
  bag.set_extent(3201, 2355);
  ASSERT_EQ(bag.size(), 3u);
  EXPECT_EQ(bag.entries()[0].first, "_extentx");
  EXPECT_EQ(bag.entries()[1].first, "_extenty");
  EXPECT_EQ(bag.entries()[2].first, "Caption");
  EXPECT_EQ(bag.extent(), (std::pair<std::int32_t, std::int32_t>{3201, 2355}));
}

TEST(ValueConversion, ConvertsLikeAVariant) {
  EXPECT_EQ(to_long("k", Flag{true}), -1);
  EXPECT_EQ(to_long("k", std::uint8_t{200}), 200);
  EXPECT_EQ(to_long("k", std::string(" 42 ")), 42);
  EXPECT_EQ(to_long("k", std::string("-7")), -7);
  EXPECT_EQ(to_long("k", std::string("&HE99950&")), 0xE99950);
  EXPECT_EQ(to_long("k", std::string("&H80000012")), static_cast<std::int32_t>(0x80000012u));
  EXPECT_EQ(to_long("k", std::string("2.5")), 2);  // ties to even
  EXPECT_EQ(to_long("k", std::string("3.5")), 4);
  EXPECT_EQ(to_integer("k", std::int32_t{-32768}), -32768);
  EXPECT_TRUE(to_flag("k", std::string("TRUE")));
  EXPECT_FALSE(to_flag("k", std::string("0")));
  EXPECT_TRUE(to_flag("k", std::int32_t{5}));
  EXPECT_EQ(to_text("k", std::int32_t{-990}), "-990");
  EXPECT_EQ(to_text("k", Flag{false}), "False");
  EXPECT_EQ(convert("k", std::int32_t{3}, ValueType::Integer), Value{std::int16_t{3}});
}

TEST(ValueConversion, ValuesThatCannotConvertNameKeyValueAndExpectedType) {
  const auto message = [](auto&& call) {
    try {
      call();
    } catch (const PropertyTypeError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(
      message([] { to_long("BorderBrightness", std::string("abc")); }),
      "type mismatch: property \"BorderBrightness\" holds text \"abc\", expected a 32-bit integer");
  EXPECT_EQ(message([] { to_integer("Style", std::int32_t{40000}); }),
            "overflow: property \"Style\" holds a 32-bit integer 40000, expected a 16-bit integer");
  EXPECT_EQ(message([] { to_byte("a", std::int32_t{-1}); }).substr(0, 8), "overflow");
  EXPECT_EQ(message([] { to_long("a", std::string("")); }).substr(0, 13), "type mismatch");
  EXPECT_EQ(message([] { to_long("a", std::string("&H")); }).substr(0, 13), "type mismatch");
  EXPECT_EQ(message([] { to_long("a", std::string("1e")); }).substr(0, 13), "type mismatch");
  EXPECT_EQ(message([] { to_flag("a", std::string("yes")); }).substr(0, 13), "type mismatch");
  EXPECT_EQ(message([] { to_font("Font", std::string("Tahoma")); }),
            "type mismatch: property \"Font\" holds text \"Tahoma\", expected a font");
  EXPECT_EQ(message([] { to_text("Caption", PictureRef{"x"}); }),
            "type mismatch: property \"Caption\" holds a picture Picture(\"x\"), expected text");
  PropertyBag bag;
  bag.write("ColorScheme", std::string("abc"));
  EXPECT_THROW(bag.read_long("colorscheme", 0), PropertyTypeError);
}

}  // namespace
}  // namespace forms
