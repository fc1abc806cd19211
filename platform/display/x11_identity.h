// What a desktop learns about a window besides its picture: the program it
// belongs to (WM_CLASS, _NET_WM_PID, WM_CLIENT_MACHINE), by which docks and
// task bars match it to the program's desktop entry, and its icons
// (_NET_WM_ICON).
#pragma once

#include <string>
#include <vector>

#include "platform/win/kernel/types.h"

struct _XDisplay;

namespace display {

struct ProgramClass {
  std::string name;        // WM_CLASS's instance part: the program's own name
  std::string class_name;  // its class part: the name, capitalised
};

// `name` empty: the executable's file name; `class_name` empty: the name
// with its first letter capitalised.
ProgramClass program_class(std::string name, std::string class_name);

// Sets WM_CLASS, _NET_WM_PID and WM_CLIENT_MACHINE on an X window.
void set_program_identity(_XDisplay* display, unsigned long window, const ProgramClass& program);

// _NET_WM_ICON's cardinals for these icons in this order (width, height,
// then ARGB rows, one after another); icons that are not live are left out.
std::vector<unsigned long> net_wm_icon(const std::vector<win::HICON>& icons);

}  // namespace display
