#include <cstdio>

int main() {
  std::puts("The desktop window is not built yet; use spurgear-cli.");
  return 0;
}
