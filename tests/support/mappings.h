// What the process has mapped, read from its own /proc/self/maps.
#pragma once

#include <cstddef>
#include <cstdio>

namespace test_support {

// Executable bytes mapped between 1 and 2 GiB, the window 32-bit mappings get
// and so where the generated window procedures live; the program's own code
// lies below it.
inline std::size_t low_executable_bytes() {
  std::size_t total = 0;
  if (FILE* maps = std::fopen("/proc/self/maps", "r")) {
    unsigned long long start, end;
    char perms[5];
    char line[512];
    while (std::fgets(line, sizeof line, maps))
      if (std::sscanf(line, "%llx-%llx %4s", &start, &end, perms) == 3 && perms[2] == 'x' &&
          end <= 0x80000000ull && start >= 0x40000000ull)
        total += end - start;
    std::fclose(maps);
  }
  return total;
}

}  // namespace test_support
