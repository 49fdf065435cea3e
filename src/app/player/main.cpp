// The player program: the project is appended to this very file. It reads no command line.
#include "app/player/Player.h"

int main(int argc, char** argv) {
  (void)argc;
  return qav::qt::runPlayerApplication(argv[0], std::nullopt);
}
