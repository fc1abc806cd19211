// The calling thread's last-error code, as every failing call leaves it.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

DWORD GetLastError();
void SetLastError(DWORD code);

}  // namespace win
