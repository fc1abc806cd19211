#include <gtest/gtest.h>

#include "platform/win/kernel/event_log.h"
#include "platform/win/user/message_box.h"

namespace win {
namespace {

TEST(Reports, EventLogAndMessageBoxAreRecorded) {
  clear_event_log_record();
  clear_message_box_record();
  write_event_log(EVENTLOG_ERROR_TYPE, "CandyButton.zDelMsg: Message &H2A3 not found in table");
  ASSERT_EQ(event_log_record().size(), 1u);
  EXPECT_EQ(event_log_record()[0].type, EVENTLOG_ERROR_TYPE);
  EXPECT_EQ(MessageBoxA(HWND{}, "text.", "Error in X.y", MB_OK | MB_ICONEXCLAMATION), IDOK);
  set_message_box_handler([](const MessageBoxEntry&) { return IDCANCEL; });
  EXPECT_EQ(MessageBoxA(HWND{}, "again", "t", MB_OKCANCEL), IDCANCEL);
  set_message_box_handler(nullptr);
  ASSERT_EQ(message_box_record().size(), 2u);
  EXPECT_EQ(message_box_record()[0], (MessageBoxEntry{HWND{}, "text.", "Error in X.y", 48}));
  clear_event_log_record();
  EXPECT_TRUE(event_log_record().empty());
}

}  // namespace
}  // namespace win
