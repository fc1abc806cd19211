#include "platform/win/window.h"

namespace win {

// Each thread has its own last-error value, as in Windows.
namespace {
thread_local DWORD t_last_error = ERROR_SUCCESS;
}

DWORD GetLastError() { return t_last_error; }
void SetLastError(DWORD code) { t_last_error = code; }

}  // namespace win
