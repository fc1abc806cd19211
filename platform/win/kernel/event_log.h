// The application event log: every entry goes to syslog under the program's
// name and to an in-process record that tests can read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/win/kernel/types.h"

namespace win {

inline constexpr WORD EVENTLOG_ERROR_TYPE = 0x0001;
inline constexpr WORD EVENTLOG_WARNING_TYPE = 0x0002;
inline constexpr WORD EVENTLOG_INFORMATION_TYPE = 0x0004;

struct EventLogEntry {
  WORD type = 0;
  std::string text;
  friend bool operator==(const EventLogEntry&, const EventLogEntry&) = default;
};

void write_event_log(WORD type, std::string_view text);

// The entries written since the start or the last clear.
const std::vector<EventLogEntry>& event_log_record();
void clear_event_log_record();

}  // namespace win
