#include "platform/win/user/message_box.h"

namespace win {
namespace {

struct MessageBoxState {
  MessageBoxHandler handler;
  std::vector<MessageBoxEntry> record;
};

MessageBoxState& state() {
  static MessageBoxState s;
  return s;
}

}  // namespace

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  MessageBoxEntry entry{owner, text ? text : "", caption ? caption : "Error", type};
  state().record.push_back(entry);
  return state().handler ? state().handler(entry) : IDOK;
}

void set_message_box_handler(MessageBoxHandler handler) { state().handler = std::move(handler); }

const std::vector<MessageBoxEntry>& message_box_record() { return state().record; }

void clear_message_box_record() { state().record.clear(); }

}  // namespace win
