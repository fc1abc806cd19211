// The executables are built hardened: position independent (PIE), full
// RELRO, stack canaries, no executable stack.
#include <elf.h>
#include <link.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

extern ElfW(Dyn) _DYNAMIC[];

namespace {

struct MainProgram {
  bool relro = false;
  bool executable_stack = true;
};

int look_at_main_program(dl_phdr_info* info, std::size_t, void* data) {
  auto* program = static_cast<MainProgram*>(data);
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& header = info->dlpi_phdr[i];
    if (header.p_type == PT_GNU_RELRO) program->relro = true;
    if (header.p_type == PT_GNU_STACK) program->executable_stack = (header.p_flags & PF_X) != 0;
  }
  return 1;  // the first object is the program itself
}

TEST(Hardening, ExecutablesArePieWithFullRelroStackCanariesAndNoExecutableStack) {
  MainProgram program;
  dl_iterate_phdr(look_at_main_program, &program);
  EXPECT_TRUE(program.relro);
  EXPECT_FALSE(program.executable_stack);

  bool bind_now = false;
  bool pie = false;
  for (const ElfW(Dyn)* entry = _DYNAMIC; entry->d_tag != DT_NULL; ++entry) {
    if (entry->d_tag == DT_FLAGS && (entry->d_un.d_val & DF_BIND_NOW)) bind_now = true;
    if (entry->d_tag == DT_FLAGS_1 && (entry->d_un.d_val & DF_1_NOW)) bind_now = true;
    if (entry->d_tag == DT_FLAGS_1 && (entry->d_un.d_val & DF_1_PIE)) pie = true;
  }
  EXPECT_TRUE(bind_now) << "linked without -z now: the GOT stays writable";
  EXPECT_TRUE(pie) << "linked without -pie";

  std::ifstream file("/proc/self/exe", std::ios::binary);
  const std::string image{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  EXPECT_NE(image.find("__stack_chk_fail"), std::string::npos) << "built without stack protection";
  ASSERT_GE(image.size(), sizeof(ElfW(Ehdr)));
  EXPECT_EQ(reinterpret_cast<const ElfW(Ehdr)*>(image.data())->e_type, ET_DYN)
      << "built position dependent";
}

}  // namespace
