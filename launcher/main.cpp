#include <cstdio>

int main() {
  std::puts("brindlecovemediacenter: the launcher window is not built yet");
  return 0;
}
