#include "platform/win/kernel/module.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/last_error.h"
#include "platform/win/kernel/low_code.h"
#include "platform/win/kernel/module_definitions.h"

namespace win {
namespace {

struct Module : Object {
  std::string name;
  int load_count = 0;
  bool pinned = false;  // loaded from the start: never unloaded
};

// "User32.DLL" and "user32" name the same module.
std::string normalized(const char* name) {
  std::string n(name);
  std::transform(n.begin(), n.end(), n.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (n.size() > 4 && n.ends_with(".dll")) n.resize(n.size() - 4);
  return n;
}

class ModuleTable {
 public:
  ModuleTable() { reset(); }

  void reset() {
    for (const auto& [name, handle] : m_loaded) handle_table().remove(handle, ObjectKind::Module);
    m_loaded.clear();
    m_withheld_exports.clear();
    m_definitions = standard_modules();
    for (const auto& [name, definition] : m_definitions)
      if (definition.loaded_at_start) load(name, true);
  }

  std::uint32_t handle_of(const std::string& name) const {
    const auto found = m_loaded.find(name);
    return found == m_loaded.end() ? 0 : found->second;
  }

  std::uint32_t load(const std::string& name, bool pinned = false) {
    if (!m_definitions.contains(name)) return 0;
    if (const std::uint32_t handle = handle_of(name)) {
      ++module_of(handle)->load_count;
      return handle;
    }
    auto module = std::make_unique<Module>();
    module->name = name;
    module->load_count = 1;
    module->pinned = pinned;
    const std::uint32_t handle = handle_table().insert(ObjectKind::Module, std::move(module));
    m_loaded[name] = handle;
    return handle;
  }

  bool free(std::uint32_t handle) {
    Module* module = module_of(handle);
    if (!module) return false;
    if (module->pinned) return true;
    if (--module->load_count == 0) unload(module->name);
    return true;
  }

  void unload(const std::string& name) {
    if (const std::uint32_t handle = handle_of(name)) {
      m_loaded.erase(name);
      handle_table().remove(handle, ObjectKind::Module);
    }
  }

  Module* module_of(std::uint32_t handle) const {
    return handle_table().get<Module>(handle, ObjectKind::Module);
  }

  FARPROC find_export(const Module& module, const std::string& function) const {
    if (m_withheld_exports.contains({module.name, function})) return nullptr;
    const auto& exports = m_definitions.at(module.name).exports;
    const auto found = exports.find(function);
    if (found == exports.end() || found->second == nullptr) return nullptr;
    // Callers keep export addresses in 32-bit fields: hand out the low one.
    const std::uint32_t low = low_code_address(found->second);
    return reinterpret_cast<FARPROC>(static_cast<std::uintptr_t>(low));
  }

  void withhold_export(const std::string& module, const std::string& function) {
    m_withheld_exports.insert({module, function});
  }

  void withhold_module(const std::string& name) {
    unload(name);
    m_definitions.erase(name);
  }

  void plant(const std::string& name, std::vector<std::pair<std::string, FARPROC>> exports) {
    unload(name);
    ModuleDefinition definition;
    for (auto& [function, address] : exports) definition.exports[function] = address;
    m_definitions[name] = std::move(definition);
    load(name);
  }

 private:
  std::map<std::string, ModuleDefinition> m_definitions;
  std::map<std::string, std::uint32_t> m_loaded;
  std::set<std::pair<std::string, std::string>> m_withheld_exports;
};

ModuleTable& table() {
  static ModuleTable t;
  return t;
}

}  // namespace

HMODULE GetModuleHandleA(const char* module_name) {
  const std::uint32_t handle = module_name ? table().handle_of(normalized(module_name)) : 0;
  if (handle == 0) SetLastError(ERROR_MOD_NOT_FOUND);
  return HMODULE{handle};
}

HMODULE LoadLibraryA(const char* module_name) {
  const std::uint32_t handle = module_name ? table().load(normalized(module_name)) : 0;
  if (handle == 0) SetLastError(ERROR_MOD_NOT_FOUND);
  return HMODULE{handle};
}

FARPROC GetProcAddress(HMODULE module, const char* function_name) {
  const Module* m = table().module_of(module.value);
  if (!m) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  FARPROC address = function_name ? table().find_export(*m, function_name) : nullptr;
  if (!address) SetLastError(ERROR_PROC_NOT_FOUND);
  return address;
}

BOOL FreeLibrary(HMODULE module) {
  if (table().free(module.value)) return 1;
  SetLastError(ERROR_INVALID_HANDLE);
  return 0;
}

int module_load_count(const char* module_name) {
  const Module* m = table().module_of(table().handle_of(normalized(module_name)));
  return m ? m->load_count : 0;
}

void withhold_export(const char* module_name, const char* function_name) {
  table().withhold_export(normalized(module_name), function_name);
}

void withhold_module(const char* module_name) { table().withhold_module(normalized(module_name)); }

void plant_module(const char* module_name, std::vector<std::pair<std::string, FARPROC>> exports) {
  table().plant(normalized(module_name), std::move(exports));
}

void restore_modules() { table().reset(); }

}  // namespace win
