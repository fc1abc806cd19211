#include "platform/display/script.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace display
