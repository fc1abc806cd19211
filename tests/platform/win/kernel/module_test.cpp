#include "platform/win/kernel/module.h"

#include <gtest/gtest.h>

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/low_code.h"
#include "platform/win/kernel/memory.h"
#include "platform/win/user/mouse_tracking.h"
#include "platform/win/user/window.h"

namespace win {
namespace {

// Exports are handed out as the low addresses that lead to the functions.
template <class F>
FARPROC low(F* f) {
  return reinterpret_cast<FARPROC>(static_cast<std::uintptr_t>(low_code_address(f)));
}

class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override { restore_modules(); }
  void TearDown() override { restore_modules(); }
};

TEST_F(ModuleTest, NamesAreCaseInsensitiveWithOrWithoutDll) {
  const HMODULE k = GetModuleHandleA("kernel32");
  ASSERT_TRUE(k);
  EXPECT_EQ(GetModuleHandleA("KERNEL32.DLL"), k);
  EXPECT_EQ(GetProcAddress(k, "VirtualFree"), low(&VirtualFree));
  EXPECT_EQ(GetProcAddress(GetModuleHandleA("User32"), "TrackMouseEvent"), low(&TrackMouseEvent));
  EXPECT_EQ(GetProcAddress(k, "NoSuchFunction"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
  EXPECT_FALSE(GetModuleHandleA("nosuch"));
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

TEST_F(ModuleTest, LoadCountsAndUnloading) {
  const auto modules = live_objects(ObjectKind::Module);
  EXPECT_FALSE(GetModuleHandleA("comctl32"));
  const HMODULE a = LoadLibraryA("Comctl32");
  ASSERT_TRUE(a);
  EXPECT_EQ(LoadLibraryA("comctl32.dll"), a);
  EXPECT_EQ(module_load_count("comctl32"), 2);
  EXPECT_EQ(GetProcAddress(a, "_TrackMouseEvent"), low(&comctl32_TrackMouseEvent));
  EXPECT_TRUE(FreeLibrary(a));
  EXPECT_TRUE(GetModuleHandleA("comctl32"));
  EXPECT_TRUE(FreeLibrary(a));
  EXPECT_FALSE(GetModuleHandleA("comctl32"));
  EXPECT_FALSE(FreeLibrary(a));
  EXPECT_EQ(GetProcAddress(a, "_TrackMouseEvent"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  // Modules loaded from the start stay.
  EXPECT_TRUE(FreeLibrary(GetModuleHandleA("user32")));
  EXPECT_TRUE(GetModuleHandleA("user32"));
  EXPECT_EQ(live_objects(ObjectKind::Module), modules);
}

TEST_F(ModuleTest, WithheldExportsAndModulesModelOlderSystems) {
  withhold_export("user32", "TrackMouseEvent");
  EXPECT_EQ(GetProcAddress(GetModuleHandleA("user32"), "TrackMouseEvent"), nullptr);
  withhold_module("comctl32");
  EXPECT_FALSE(LoadLibraryA("comctl32"));
  restore_modules();
  EXPECT_NE(GetProcAddress(GetModuleHandleA("user32"), "TrackMouseEvent"), nullptr);
  EXPECT_TRUE(LoadLibraryA("comctl32"));
}

}  // namespace
}  // namespace win
