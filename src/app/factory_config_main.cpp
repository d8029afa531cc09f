// Writes the factory config.bin that the distribution ships:
//   corvane_factory_config OUTPUT
// The committed copy (src/app/factory/config.bin) is checked against it by
// the tests.
#include <cstdio>
#include <fstream>

#include "meaning/factory_settings.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    const auto bytes = corvane::FactoryConfigFile();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
