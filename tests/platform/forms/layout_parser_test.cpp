#include "platform/forms/layout_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace forms {
namespace {

constexpr const char* kLayout = R"(# a comment
Begin Form mainFRM
   Caption = "Form1"   # trailing comment
   BackColor = &HC0C0C0&
   Picture = Picture("background.bmp")
   Begin brindlecovemediacenter.CandyButton setCMD
      Left = -990
      Visible = False
      BeginBag
         _extentx = 3201
         font = Font("Tahoma", 9, 400, False, False, False, 0)
         caption = "say ""hi"" # not a comment"
         colorbuttonhover = &HFFC090&
         small = Integer(-5)
         tiny = Byte(200)
         none = Picture()
      EndBag
   End
   Begin Timer splashinTIMER
      Enabled = True
   End
End
)";

std::string error_of(const std::string& text) {
  try {
    parse_layout(text);
  } catch (const LayoutError& e) {
    return e.what();
  }
  return "no error";
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(LayoutParser, ReadsBlocksPropertiesAndBagsWithTheirTypesAndLines) {
  const LayoutBlock form = parse_layout(kLayout);
  EXPECT_EQ(form.kind, "Form");
  EXPECT_EQ(form.name, "mainFRM");
  EXPECT_EQ(form.line, 2);
  EXPECT_EQ(form.require("caption", ValueType::Text), Value{std::string("Form1")});
  EXPECT_EQ(form.find("Caption")->line, 3);
  EXPECT_EQ(form.require("BackColor", ValueType::Long), Value{std::int32_t{0xC0C0C0}});
  EXPECT_EQ(form.require("Picture", ValueType::Picture), Value{PictureRef{"background.bmp"}});
  ASSERT_EQ(form.children.size(), 2u);
  const LayoutBlock& button = form.children[0];
  EXPECT_EQ(button.kind, "brindlecovemediacenter.CandyButton");
  EXPECT_EQ(button.require("Left", ValueType::Long), Value{std::int32_t{-990}});
  EXPECT_EQ(button.require("Visible", ValueType::Flag), Value{Flag{false}});
  ASSERT_TRUE(button.bag.has_value());
  const PropertyBag& bag = *button.bag;
  ASSERT_EQ(bag.size(), 7u);
  EXPECT_EQ(bag.entries()[0].first, "_extentx");
  EXPECT_EQ(bag.read_font("Font", {}), (FontDescription{"Tahoma", 9, 400, false, false, false, 0}));
  EXPECT_EQ(bag.read_text("Caption", ""), "say \"hi\" # not a comment");
  EXPECT_EQ(bag.read("ColorButtonHover", Flag{}), Value{std::int32_t{0xFFC090}});
  EXPECT_EQ(bag.read("small", Flag{}), Value{std::int16_t{-5}});
  EXPECT_EQ(bag.read("tiny", Flag{}), Value{std::uint8_t{200}});
  EXPECT_EQ(bag.read("none", Flag{}), Value{PictureRef{}});
  EXPECT_FALSE(form.children[1].bag.has_value());
}

TEST(LayoutParser, RejectsMalformedTextNamingLineKeyAndExpectation) {
  const std::string good = kLayout;
  EXPECT_EQ(
      error_of(replaced(good, "&HFFC090&", "&HFFC090")),
      "stored layout, line 13, key \"colorbuttonhover\": expected a hexadecimal number &H<1 to 8 "
      "digits>&, found \"&HFFC090\"");
  EXPECT_EQ(error_of(replaced(good, "Left = -990", "Left = 12abc")),
            "stored layout, line 7, key \"Left\": expected a 32-bit integer, found \"12abc\"");
  EXPECT_EQ(error_of(replaced(good, "Left = -990", "Left = 99999999999")),
            "stored layout, line 7, key \"Left\": expected a 32-bit integer in range, found "
            "\"99999999999\"");
  EXPECT_EQ(error_of(replaced(good, "Integer(-5)", "Integer(40000)")),
            "stored layout, line 14, key \"small\": expected a 16-bit integer in range, found "
            "\"40000)\"");
  EXPECT_EQ(error_of(replaced(good, "\"Form1\"", "\"Form1")),
            "stored layout, line 3, key \"Caption\": expected a closing quote, found the end of "
            "the line");
  EXPECT_EQ(error_of(replaced(good, "9, 400, False", "9, 400, Maybe")),
            "stored layout, line 11, key \"font\": expected True or False, found \"Maybe, False, "
            "False, 0)\"");
  EXPECT_EQ(error_of(replaced(good, "Enabled = True", "Enabled = Yes")).substr(0, 59),
            "stored layout, line 20, key \"Enabled\": expected a value (Tr");
  EXPECT_EQ(error_of(replaced(good, "Visible = False", "Visible False")),
            "stored layout, line 8, key \"Visible False\": expected <key> = <value>, Begin, End, "
            "BeginBag or "
            "EndBag");
  EXPECT_EQ(
      error_of(replaced(good, "Visible = False", "Visible = False False")),
      "stored layout, line 8, key \"Visible\": expected the end of the line after the value, found "
      "\"False\"");
  EXPECT_EQ(error_of(replaced(good, "_extentx = 3201", "_extentx = 3201\n_EXTENTX = 1")),
            "stored layout, line 11, key \"_EXTENTX\": expected each bag key once");
  EXPECT_EQ(
      error_of(good + "Begin Form other\nEnd\n"),
      "stored layout, line 23, key \"Begin\": expected nothing after the End of the form's block");
  EXPECT_EQ(
      error_of(""),
      "stored layout, line 0, key \"\": expected a Begin <kind> <name> block, found no block");
}

TEST(LayoutParser, FontSizeOutsideOneToThousandPointsIsRejectedAtParseTime) {
  const std::string good = kLayout;
  const auto with_size = [&](const std::string& size) {
    return error_of(replaced(good, "\"Tahoma\", 9,", "\"Tahoma\", " + size + ","));
  };
  const std::string range =
      "stored layout, line 11, key \"font\": expected a font size from 1 to 1000 points, found \"";
  EXPECT_EQ(with_size("1000000"), range + "1000000, 400, False, False, False, 0)\"");
  EXPECT_EQ(with_size(std::string(40, '9')).substr(0, range.size()), range);  // infinity as a float
  EXPECT_EQ(with_size("0." + std::string(44, '0') + "1").substr(0, range.size()), range);  // 1e-45
  EXPECT_EQ(with_size("0.5").substr(0, range.size()), range);
  EXPECT_EQ(with_size("1000.5").substr(0, range.size()), range);
  EXPECT_EQ(with_size("1"), "no error");
  EXPECT_EQ(with_size("1000"), "no error");
  EXPECT_EQ(with_size("8.25"), "no error");
}

TEST(LayoutParser, NulInsideAValueDoesNotCutTheMessageShort) {
  const std::string good = kLayout;
  const LayoutBlock form =
      parse_layout(replaced(good, "Left = -990", std::string("Left = \"12\0abc\"", 15)));
  try {
    form.children[0].require("Left", ValueType::Long);
    FAIL();
  } catch (const LayoutError& e) {
    EXPECT_EQ(
        std::string(e.what()),
        "stored layout, line 7, key \"Left\": expected a 32-bit integer, found \"12\\x00abc\"");
  }
  // A malformed line quotes at most a short, escaped excerpt.
  const std::string message =
      error_of(replaced(good, "Left = -990", "Left = 1" + std::string(100000, '\x01')));
  EXPECT_LT(message.size(), 500u);
  EXPECT_NE(message.find("found \"\\x01\\x01"), std::string::npos) << message;
  EXPECT_NE(message.find("(100000 bytes in all)"), std::string::npos) << message;
}

TEST(LayoutParser, RejectsTruncatedText) {
  const std::string good = kLayout;
  // Cut inside the bag, inside a control, and before the form's End.
  EXPECT_EQ(error_of(good.substr(0, good.find("EndBag"))),
            "stored layout, line 17, key \"setCMD\": truncated: expected EndBag for the bag begun "
            "on line 9");
  EXPECT_EQ(error_of(good.substr(0, good.find("   Begin Timer") + 30)),
            "stored layout, line 20, key \"splashinTIMER\": truncated: expected End for Timer "
            "splashinTIMER "
            "begun on line 19");
  EXPECT_EQ(error_of(good.substr(0, good.rfind("End"))),
            "stored layout, line 21, key \"mainFRM\": truncated: expected End for Form mainFRM "
            "begun on line 2");
}

TEST(LayoutBlock, RequireNamesMissingAndMistypedKeys) {
  const LayoutBlock form = parse_layout(kLayout);
  const LayoutBlock& timer = form.children[1];
  try {
    timer.require("Interval", ValueType::Long);
    FAIL();
  } catch (const LayoutError& e) {
    EXPECT_STREQ(e.what(),
                 "stored layout, line 19, key \"Interval\": missing in Timer splashinTIMER "
                 "(expected a 32-bit "
                 "integer)");
    EXPECT_EQ(e.line(), 19);
    EXPECT_EQ(e.key(), "Interval");
  }
  EXPECT_THROW(form.require("Caption", ValueType::Long),
               LayoutError);  // text is never a number here
  EXPECT_EQ(form.children[0].require("Left", ValueType::Integer), Value{std::int16_t{-990}});
  EXPECT_EQ(form.optional("Nothing", ValueType::Long), std::nullopt);
}

}  // namespace
}  // namespace forms
