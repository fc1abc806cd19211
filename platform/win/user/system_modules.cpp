#include "platform/win/kernel/memory.h"
#include "platform/win/kernel/module_definitions.h"
#include "platform/win/user/mouse_tracking.h"
#include "platform/win/user/window.h"

namespace win {
namespace {

template <class F>
FARPROC address_of(F* function) {
  return reinterpret_cast<FARPROC>(function);
}

}  // namespace

std::map<std::string, ModuleDefinition> standard_modules() {
  std::map<std::string, ModuleDefinition> modules;
  modules["user32"] = {{
                           {"CallWindowProcA", address_of(&CallWindowProcA)},
                           {"SetWindowLongA", address_of(&SetWindowLongA)},
                           {"TrackMouseEvent", address_of(&TrackMouseEvent)},
                       },
                       true};
  modules["kernel32"] = {{
                             {"VirtualAlloc", address_of(&VirtualAlloc)},
                             {"VirtualFree", address_of(&VirtualFree)},
                             {"IsBadCodePtr", address_of(&IsBadCodePtr)},
                             {"RtlMoveMemory", address_of(&RtlMoveMemory)},
                             {"GetModuleHandleA", address_of(&GetModuleHandleA)},
                             {"LoadLibraryA", address_of(&LoadLibraryA)},
                             {"GetProcAddress", address_of(&GetProcAddress)},
                             {"FreeLibrary", address_of(&FreeLibrary)},
                         },
                         true};
  modules["gdi32"] = {{}, true};
  modules["comctl32"] = {{{"_TrackMouseEvent", address_of(&comctl32_TrackMouseEvent)}}, false};
  modules["olepro32"] = {{}, false};
  return modules;
}

}  // namespace win
