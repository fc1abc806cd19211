#include "platform/win/kernel/event_log.h"

#include <errno.h>
#include <syslog.h>

namespace win {
namespace {

std::vector<EventLogEntry>& record() {
  static std::vector<EventLogEntry> entries;
  return entries;
}

int syslog_priority(WORD type) {
  switch (type) {
    case EVENTLOG_ERROR_TYPE: return LOG_ERR;
    case EVENTLOG_WARNING_TYPE: return LOG_WARNING;
    default: return LOG_INFO;
  }
}

}  // namespace

void write_event_log(WORD type, std::string_view text) {
  static const bool opened = [] {
    openlog(program_invocation_short_name, LOG_PID, LOG_USER);
    return true;
  }();
  (void)opened;
  const std::string line(text);
  syslog(syslog_priority(type), "%s", line.c_str());
  record().push_back(EventLogEntry{type, line});
}

const std::vector<EventLogEntry>& event_log_record() { return record(); }

void clear_event_log_record() { record().clear(); }

}  // namespace win
