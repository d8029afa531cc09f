// The distribution as users get it: every executable of both folders reads
// back the project's version through the API that Explorer and installers
// use.
#include <gtest/gtest.h>
#include <windows.h>
#include <winver.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "e2e_fixture.h"

namespace corvane::e2e {
namespace {

struct VersionResource {
    std::array<unsigned, 4> fileNumbers{};
    std::array<unsigned, 4> productNumbers{};
    std::wstring fileVersion;
    std::wstring productVersion;
    std::wstring originalFilename;
};

std::array<unsigned, 4> NumbersOf(DWORD mostSignificant, DWORD leastSignificant) {
    return {HIWORD(mostSignificant), LOWORD(mostSignificant), HIWORD(leastSignificant),
            LOWORD(leastSignificant)};
}

std::optional<VersionResource> ReadVersionResource(const fs::path& exe) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(exe.c_str(), 0, size, data.data())) {
        return std::nullopt;
    }
    void* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", &fixed, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    const auto& info = *static_cast<const VS_FIXEDFILEINFO*>(fixed);
    VersionResource result;
    result.fileNumbers = NumbersOf(info.dwFileVersionMS, info.dwFileVersionLS);
    result.productNumbers = NumbersOf(info.dwProductVersionMS, info.dwProductVersionLS);
    const auto text = [&](const std::wstring& name) {
        void* value = nullptr;
        UINT characters = 0;
        const std::wstring path = L"\\StringFileInfo\\040904B0\\" + name;
        if (!VerQueryValueW(data.data(), path.c_str(), &value, &characters) || characters == 0) {
            return std::wstring();
        }
        return std::wstring(static_cast<const wchar_t*>(value));
    };
    result.fileVersion = text(L"FileVersion");
    result.productVersion = text(L"ProductVersion");
    result.originalFilename = text(L"OriginalFilename");
    return result;
}

// "1.2.3" as the four numbers of a version resource, absent parts 0.
std::array<unsigned, 4> ProjectVersionNumbers() {
    std::array<unsigned, 4> numbers{};
    std::sscanf(CORVANE_E2E_VERSION, "%u.%u.%u.%u", &numbers[0], &numbers[1], &numbers[2],
                &numbers[3]);
    return numbers;
}

TEST(Distribution, EveryExecutableCarriesTheProjectVersion) {
    const std::wstring version = fs::path(CORVANE_E2E_VERSION).wstring();
    for (const char* folder : {"Corvane", "CorvaneDemo"}) {
        for (const wchar_t* name : {L"Corvane1.0.exe", L"corvanectl.exe"}) {
            const fs::path exe = kDist / folder / name;
            SCOPED_TRACE(exe.string());
            const std::optional<VersionResource> resource = ReadVersionResource(exe);
            ASSERT_TRUE(resource.has_value()) << "no version resource";
            EXPECT_EQ(resource->fileNumbers, ProjectVersionNumbers());
            EXPECT_EQ(resource->productNumbers, ProjectVersionNumbers());
            EXPECT_EQ(resource->fileVersion, version);
            EXPECT_EQ(resource->productVersion, version);
            EXPECT_EQ(resource->originalFilename, name);
        }
    }
}

}  // namespace
}  // namespace corvane::e2e
