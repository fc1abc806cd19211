#include "platform/display/script.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace display {
namespace {

TEST(Script, CommandsParseIntoStepsAndCompoundsSplit) {
  const auto steps = parse_script(
      "# tour\n"
      "wait 250\n"
      "\n"
      "wait-idle   # default limit\n"
      "move -3 40\n"
      "dblclick right\n"
      "key q\n"
      "keydown Ctrl\n"
      "snapshot out.png\n",
      "t");
  ASSERT_EQ(steps.size(), 11u);
  EXPECT_EQ(steps[0].ms, 250);
  EXPECT_EQ(steps[0].line, 2);
  EXPECT_EQ(steps[1].op, ScriptOp::WaitIdle);
  EXPECT_EQ(steps[1].ms, kDefaultIdleLimitMs);
  EXPECT_EQ(steps[2].x, -3);
  EXPECT_EQ(steps[3].button, win::MouseButton::Right);
  EXPECT_EQ(steps[5].button_action, win::ButtonAction::Press);
  EXPECT_EQ(steps[6].button_action, win::ButtonAction::Release);
  EXPECT_EQ(steps[7].key, static_cast<win::UINT>('Q'));
  EXPECT_EQ(steps[8].key_action, win::KeyAction::Up);
  EXPECT_EQ(steps[9].key, win::VK_CONTROL);
  EXPECT_EQ(steps[10].file, "out.png");
}

TEST(Script, AMalformedLineIsNamedWithWhatWasExpected) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"wait 10\nwait soon\n", "s:2: expected wait MS"},
      {"wait -5", "s:1: expected wait MS"},
      {"move 1", "s:1: expected move X Y"},
      {"move 1 2 3", "s:1: expected move X Y"},
      {"click up", "s:1: expected click B with B one of left, right, middle"},
      {"key F1", "s:1: expected key K"},
      {"snapshot", "s:1: expected snapshot FILE"},
      {"\n\njump 3", "s:3: expected one of wait"},
      {"wait-idle 1 2", "s:1: expected wait-idle [MS]"},
  };
  for (const auto& c : cases) {
    try {
      parse_script(c.text, "s");
      ADD_FAILURE() << c.text;
    } catch (const ScriptError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
    }
  }
  EXPECT_THROW(load_script("/nonexistent/script"), ScriptError);
}

// A number past a limit was refused without saying what the limit is.
TEST(Script, NumbersOutOfRangeAreToldTheLimits) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"wait 86400001",
       "s:1: expected wait MS with MS a whole number of milliseconds, got \"wait 86400001\"; "
       "0 <= MS <= 86400000 (24 hours)"},
      {"wait-idle -1", "; 0 <= MS <= 86400000 (24 hours)"},
      {"wait 99999999999999999999999", "; 0 <= MS <= 86400000 (24 hours)"},
      {"move 5 -1048577", "got \"move 5 -1048577\"; |X|, |Y| <= 1048576"},
  };
  for (const auto& c : cases) {
    try {
      parse_script(c.text, "s");
      ADD_FAILURE() << c.text;
    } catch (const ScriptError& e) {
      const std::string what = e.what();
      EXPECT_TRUE(
          what.size() >= std::strlen(c.message) &&
          what.compare(what.size() - std::strlen(c.message), std::string::npos, c.message) == 0)
          << what;
    }
  }
  EXPECT_EQ(parse_script("wait 86400000\nmove -1048576 1048576", "s").size(), 2u);
}

TEST(Script, ErrorsQuoteABoundedEscapedExcerptOfTheLine) {
  const auto error_of = [](const std::string& text) -> std::string {
    try {
      parse_script(text, "s");
    } catch (const ScriptError& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(error_of(std::string("wait \x01\x1b[31m\0\xff", 13)),
            "s:1: expected wait MS with MS a whole number of milliseconds, got \"wait "
            "\\x01\\x1B[31m\\x00\\xFF\"");
  const std::string message = error_of("move " + std::string(1000000, '7'));
  EXPECT_LT(message.size(), 200u) << message.substr(0, 300);
  EXPECT_NE(message.find("\"move 7777"), std::string::npos);
  EXPECT_NE(message.find("... (1000005 bytes in all)\""), std::string::npos) << message;
}

// Each case is a path and the reason its refusal must give.
class ScriptFile : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = std::filesystem::temp_directory_path() /
            ("script_test_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }
  std::string refusal(const std::string& path) {
    try {
      load_script(path);
    } catch (const ScriptError& e) {
      return e.what();
    }
    return "no error";
  }
  std::filesystem::path m_dir;
};

TEST_F(ScriptFile, OnlyRegularFilesUpToTheLimitAreRead) {
  const std::string good = (m_dir / "good").string();
  { std::ofstream(good) << "wait 5\n"; }
  EXPECT_EQ(load_script(good).size(), 1u);

  EXPECT_EQ(refusal(m_dir.string()), "cannot read the input script " + m_dir.string() +
                                         ": it is a directory, not a regular file");
  const std::string fifo = (m_dir / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(refusal(fifo),
            "cannot read the input script " + fifo + ": it is a pipe, not a regular file");
  EXPECT_EQ(refusal("/dev/zero"),
            "cannot read the input script /dev/zero: it is a device, not a regular file");
  EXPECT_EQ(
      refusal((m_dir / "none").string()),
      "cannot read the input script " + (m_dir / "none").string() + ": No such file or directory");

  const std::string big = (m_dir / "big").string();
  {
    std::ofstream out(big);
    for (std::int64_t i = 0; i * 7 <= kMaxScriptBytes; ++i) out << "wait 0\n";
  }
  EXPECT_EQ(refusal(big), "cannot read the input script " + big +
                              ": it is 1048579 bytes, more than the 1048576 a "
                              "script may have");
}

}  // namespace
}  // namespace display
