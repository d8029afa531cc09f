#include "app/program_port.h"

namespace corvane {

std::unique_ptr<HidPort> MakeProgramHidPort() {
    return MakePlatformHidPort();
}

}  // namespace corvane
