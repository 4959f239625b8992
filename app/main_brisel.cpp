#include <cstdio>

int main() {
  std::fputs(
      "Brisel: the desktop window is not built yet.\n"
      "Convert files from the terminal meanwhile: brisel-nouv FILE.mqo...\n",
      stderr);
  return 0;
}
