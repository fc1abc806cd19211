// Loads a plugin with dlopen and calls its render; knows nothing of CandyButton.
#include <dlfcn.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  void* plugin = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (!plugin) {
    std::fprintf(stderr, "plugin_host: %s\n", dlerror());
    return 1;
  }
  using Render = int (*)();
  const auto render = reinterpret_cast<Render>(dlsym(plugin, "candy_plugin_render"));
  const int result = render ? render() : 1;
  dlclose(plugin);
  std::printf("plugin_host: render %s\n", result == 0 ? "ok" : "failed");
  return result;
}
