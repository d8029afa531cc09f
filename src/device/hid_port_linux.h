// The HID port of Linux: hidapi's hidraw back end for the device list, the
// opens and the feature reports, sysfs for the report descriptor from which
// the report lengths come.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "device/hid_port.h"
#include "device/hidapi_calls.h"

namespace corvane {

// True for the open errors that mean the user may not use the device node:
// the mouse then lacks the access the udev rule grants.
bool IsPermissionError(std::uint32_t error);

// Every collection of every hidraw device is one interface, with the path
// "<device node>#<n>" for the n-th collection of its node (from 1);
// MakePlatformHidPort() is this port over the library's calls.
std::unique_ptr<HidPort> MakeHidapiPort(std::unique_ptr<HidapiCalls> calls);

// The hidapi and sysfs calls of the real port.
std::unique_ptr<HidapiCalls> MakeHidapiLibraryCalls();

// "/sys/class/hidraw/<node>/device/report_descriptor" for the device node
// "/dev/<node>"; empty when the path names no node.
std::string ReportDescriptorFile(const std::string& devicePath);

}  // namespace corvane
