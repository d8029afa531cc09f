// The state of the link to the mouse (MouseLink): the handles and report
// lengths of its two channels, found by discovery and used by the
// feature-report exchange, and whether the image holds a full read of it.
#pragma once

#include <cstdint>
#include <string>

#include "device/hid_port.h"

namespace corvane {

struct MouseLinkState {
    HidHandle commandHandle = kInvalidHidHandle;  // usage page 1, usage 6, 8-byte reports
    HidHandle dataHandle = kInvalidHidHandle;     // usage page 1, usage 2, 65-byte reports
    HidHandle queryHandle = kInvalidHidHandle;    // the interface being examined
    std::uint16_t commandReportLength = 0;
    std::uint16_t dataReportLength = 0;
    std::wstring devicePath;
    // Path of the command channel opened by the last discovery; empty when
    // it found no mouse.
    std::wstring commandPath;
    // Set by a full read whose transfers all succeeded and whose header
    // carried the signature; cleared by the start of a read and by every
    // discovery except one that finds the mouse again at `imagePath`, the
    // command-channel path of that read. Until it is set the image holds
    // nothing of the mouse's and must not be written back.
    bool imageRead = false;
    std::wstring imagePath;
};

}  // namespace corvane
