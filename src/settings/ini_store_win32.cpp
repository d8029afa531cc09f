// The INI store on the profile API, the reference the portable store follows.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "settings/ini_document.h"
#include "settings/ini_store.h"

namespace corvane {
namespace {

// The profile API writes a new file in the ANSI code page, which loses any
// text the code page cannot hold; an existing Unicode file stays Unicode. So
// a missing or empty file becomes an empty UTF-16LE file with a BOM first.
SaveResult EnsureUnicodeFile(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    const bool exists = GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) != 0;
    if (exists && (data.nFileSizeLow != 0 || data.nFileSizeHigh != 0)) {
        return SaveResult::Done();
    }
    const DWORD disposition = exists ? OPEN_EXISTING : CREATE_NEW;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return SaveResult::Failed(GetLastError());
    }
    DWORD written = 0;
    const bool ok = WriteFile(file, kUtf16LeBom, sizeof(kUtf16LeBom), &written, nullptr) &&
                    written == sizeof(kUtf16LeBom);
    const DWORD error = ok ? ERROR_SUCCESS : GetLastError();
    CloseHandle(file);
    return ok ? SaveResult::Done() : SaveResult::Failed(error);
}

class Win32IniStore final : public IniStore {
  public:
    std::wstring Read(const std::wstring& path, const std::wstring& section,
                      const std::wstring& key, const std::wstring& fallback,
                      std::size_t capacity) override {
        if (capacity == 0) {
            return std::wstring();
        }
        const DWORD size = static_cast<DWORD>(std::min<std::size_t>(capacity, 0x7FFFFFFF));
        std::vector<wchar_t> buffer(size, L'\0');
        const DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback.c_str(),
                                                 buffer.data(), size, path.c_str());
        return std::wstring(buffer.data(), std::min<DWORD>(n, size - 1));
    }

    SaveResult Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        if (const SaveResult prepared = EnsureUnicodeFile(path); !prepared.done()) {
            return prepared;
        }
        if (WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()) ==
            0) {
            return SaveResult::Failed(GetLastError());
        }
        return SaveResult::Done();
    }
};

}  // namespace

std::unique_ptr<IniStore> MakePlatformIniStore() {
    return std::make_unique<Win32IniStore>();
}

}  // namespace corvane
