// The module table: the system libraries the program calls, each with its
// export table (name -> address of our implementation). user32, kernel32 and
// gdi32 are loaded from the start; comctl32 and olepro32 only through
// LoadLibraryA. Module names are case-insensitive, with or without ".dll";
// a module handle is a handle-table entry of kind Module.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/win/kernel/types.h"

namespace win {

using FARPROC = void (*)();

// The handle of a loaded module, or null (ERROR_MOD_NOT_FOUND).
HMODULE GetModuleHandleA(const char* module_name);
// Loads the module or adds one to its load count; null when there is no such module.
HMODULE LoadLibraryA(const char* module_name);
// The export's address as one that fits 32 bits (a low stub leading to the
// function when the function lies higher), or null (ERROR_PROC_NOT_FOUND,
// or ERROR_INVALID_HANDLE for a handle that names no loaded module).
FARPROC GetProcAddress(HMODULE module, const char* function_name);
// Takes one from the load count and unloads the module at 0. The modules
// loaded from the start stay loaded.
BOOL FreeLibrary(HMODULE module);

// The load count of a module by name; 0 when not loaded.
int module_load_count(const char* module_name);

// For tests, to model other systems. Each change lasts until restore_modules().
// The system has no such export in that module.
void withhold_export(const char* module_name, const char* function_name);
// The system has no such module at all (unloaded if it was loaded).
void withhold_module(const char* module_name);
// A loaded module of the given name with the given exports, such as a design
// environment; replaces any module of that name.
void plant_module(const char* module_name, std::vector<std::pair<std::string, FARPROC>> exports);
// Back to the standard modules with their standard exports and load state.
void restore_modules();

}  // namespace win
