// qf-sounds: synthesises the five sound effects of the game.
//   qf-sounds <sounds-dir>
#include <cstdio>
#include <string>

#include "effects.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: qf-sounds <sounds-dir>\n");
    return 2;
  }
  std::string dir = argv[1];
  struct Item {
    const char* name;
    qf::sound::Buffer (*make)();
  };
  const Item items[] = {{"chips.wav", qf::sound::ChipsClink},
                        {"knock.wav", qf::sound::KnockOnWood},
                        {"folds.wav", qf::sound::CardSwish},
                        {"click.wav", qf::sound::ButtonClick},
                        {"splash.wav", qf::sound::StartJingle}};
  for (const Item& it : items) {
    auto bytes = qf::sound::EncodeWav(it.make());
    if (!qf::sound::WriteFile(dir + "/" + it.name, bytes)) {
      std::fprintf(stderr, "qf-sounds: cannot write %s/%s\n", dir.c_str(), it.name);
      return 1;
    }
    std::printf("qf-sounds: %s, %zu bytes\n", it.name, bytes.size());
  }
  return 0;
}
