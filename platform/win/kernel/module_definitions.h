// What the module table starts from: each standard module's exports and
// whether it is loaded from the start. The table itself is kernel work, but
// the exports are functions of every library, so the list is supplied by the
// layer that sees them all (user/system_modules.cpp); the kernel only
// declares it.
#pragma once

#include <map>
#include <string>

#include "platform/win/kernel/module.h"

namespace win {

struct ModuleDefinition {
  std::map<std::string, FARPROC> exports;
  bool loaded_at_start = false;
};

std::map<std::string, ModuleDefinition> standard_modules();

}  // namespace win
