// The generated window procedure written out in C++: the same steps over the
// same block, reading each field when the machine code reads it. Tests run
// both side by side.
#pragma once

#include "platform/win/kernel/types.h"
#include "subclass/thunk_block.h"

namespace subclass {

win::LRESULT model_window_procedure(ThunkBlock* block, win::HWND window, win::UINT message,
                                    win::WPARAM wparam, win::LPARAM lparam);

// Whether the table selects the message.
bool table_selects(const MessageTable& table, win::UINT message);

}  // namespace subclass
