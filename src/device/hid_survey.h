// A look at every present HID interface through a HidPort: its path,
// identifiers and capabilities, for the console probe and the port's tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "device/hid_port.h"

namespace corvane {

struct HidInterfaceInfo {
    std::wstring path;
    bool opened = false;          // a query open succeeded
    std::uint32_t openError = 0;  // the system error when it failed
    // A channel open (the access feature reports need) succeeded; where a
    // query needs no access (Linux) this is what tells a permission problem.
    bool accessible = false;
    std::uint32_t accessError = 0;  // the system error when it failed
    HidAttributes attributes{};
    bool capsKnown = false;  // preparsed data and capabilities were read
    HidCaps caps{};
};

struct HidSurvey {
    bool listObtained = false;
    std::vector<HidInterfaceInfo> interfaces;
};

// Lists at most `limit` interfaces; every handle it opens is closed again.
HidSurvey SurveyHidInterfaces(HidPort& port, std::size_t limit = 4096);

}  // namespace corvane
