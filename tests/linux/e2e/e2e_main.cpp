// The Linux end-to-end tests' main: a private Xvfb for the whole run (the
// first free display from CORVANE_E2E_FIRST_DISPLAY, default 100), on
// which every test starts the program. Listing the tests needs none.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "corvane_fixture.h"
#include "x_session.h"

namespace corvane::e2e {
namespace {

constexpr int kDefaultFirstDisplay = 100;
std::string testDisplay;

}  // namespace

const std::string& TestDisplay() {
    return testDisplay;
}

}  // namespace corvane::e2e

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<corvane::e2e::XServer> server;
    if (!GTEST_FLAG_GET(list_tests)) {
        const char* first = std::getenv("CORVANE_E2E_FIRST_DISPLAY");
        server = std::make_unique<corvane::e2e::XServer>(
            first != nullptr ? std::atoi(first) : corvane::e2e::kDefaultFirstDisplay);
        if (!server->running()) {
            std::fprintf(stderr, "no Xvfb display could be started\n");
            return 1;
        }
        corvane::e2e::testDisplay = server->display();
    }
    return RUN_ALL_TESTS();
}
