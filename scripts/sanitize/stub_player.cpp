// The program a sanitizer build puts beside qav in place of the player: an instrumented player
// is far larger than the payload offset, so `qav pack` packs this stub instead. It plays
// nothing; a program packed with it is played with `qav run`.
#include <cstdio>

int main() {
  std::fputs(
      "This is a sanitizer build's stand-in for the player; play the program with "
      "`qav run`.\n",
      stderr);
  return 1;
}
