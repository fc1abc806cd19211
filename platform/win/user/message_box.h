// MessageBoxA. Without a presenter's handler the box is answered at once with
// IDOK, as the headless presenter does; every box is recorded for tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win/kernel/types.h"

namespace win {

inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_OKCANCEL = 0x00000001;
inline constexpr UINT MB_ICONHAND = 0x00000010;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONASTERISK = 0x00000040;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);

struct MessageBoxEntry {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type = 0;
  friend bool operator==(const MessageBoxEntry&, const MessageBoxEntry&) = default;
};

// A presenter that shows real boxes installs its modal box here; an empty
// handler restores the automatic answer.
using MessageBoxHandler = std::function<int(const MessageBoxEntry&)>;
void set_message_box_handler(MessageBoxHandler handler);

// The boxes shown since the start or the last clear.
const std::vector<MessageBoxEntry>& message_box_record();
void clear_message_box_record();

}  // namespace win
