// A device-interface broadcast record of the mouse, as the system sends it
// with WM_DEVICECHANGE.
#pragma once

#include <windows.h>

#include <dbt.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane::testing {

// The path of the mouse's vendor collection, as the system names it.
inline const std::wstring kMouseInterfacePath =
    L"\\\\?\\HID#VID_04D9&PID_A09E&MI_01&Col02#8&1c2a3b4d&0&0001#"
    L"{4d1e55b2-f16f-11cf-88cb-001111000030}";

// A device-interface broadcast record with `path`, sized as the system does.
inline std::vector<std::uint8_t> InterfaceRecord(const std::wstring& path) {
    std::vector<std::uint8_t> bytes(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) +
                                    path.size() * sizeof(wchar_t));
    auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(bytes.data());
    record->dbcc_size = static_cast<DWORD>(bytes.size());
    record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::copy(path.begin(), path.end(), record->dbcc_name);
    return bytes;
}

}  // namespace corvane::testing
