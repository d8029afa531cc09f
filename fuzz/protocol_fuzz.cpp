// Any bytes as the mouse's answers: discovery finds the two interfaces, then
// every feature transfer of a full read and a full write succeeds or fails
// and every reply carries what the input says. Whatever it says, the link
// keeps the protocol's rules: no write without a complete signed read, the
// image filled only from such a read, transfers at the channels' lengths,
// a stop and a box at the first failure.
#include <cstdio>
#include <cstdlib>

#include "device/scripted_mouse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const corvane::testing::SessionResult result =
        corvane::testing::RunScriptedSession(std::span<const std::uint8_t>(data, size), 3);
    if (!result.error.empty()) {
        std::fprintf(stderr, "protocol rule broken: %s\n", result.error.c_str());
        std::abort();
    }
    return 0;
}
