#include "app/ctl/file_output.h"

#include <fstream>
#include <system_error>

#include "app/ctl/ctl_errors.h"
#include "core/text_encoding.h"

namespace corvane::ctl {
namespace {

constexpr std::size_t kNewFileAttempts = 100;

std::filesystem::path TemporaryBeside(const std::filesystem::path& target, std::size_t attempt) {
    std::filesystem::path temporary = target;
    temporary += ".corvanectl-" + std::to_string(attempt) + ".tmp";
    return temporary;
}

bool WriteAll(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

// A file that does not exist yet: written under a temporary name, then renamed.
void WriteNewFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path target = FsPath(path);
    std::error_code error;
    for (std::size_t attempt = 0; attempt < kNewFileAttempts; ++attempt) {
        const std::filesystem::path temporary = TemporaryBeside(target, attempt);
        if (std::filesystem::exists(temporary, error)) {
            continue;
        }
        if (WriteAll(temporary, bytes)) {
            std::filesystem::rename(temporary, target, error);
            if (!error) {
                return;
            }
        }
        std::filesystem::remove(temporary, error);
        break;
    }
    throw Failed("cannot write " + Utf8Path(path) +
                 "; check that its folder exists and is writable");
}

}  // namespace

std::filesystem::path FsPath(const std::wstring& path) {
    if constexpr (sizeof(wchar_t) == 2) {
        return std::filesystem::path(path);
    } else {
        return std::filesystem::path(ToUtf8(path));
    }
}

std::wstring WidePath(const std::filesystem::path& path) {
    if constexpr (sizeof(wchar_t) == 2) {
        return path.wstring();
    } else {
        return FromUtf8(path.string());
    }
}

std::string Utf8Path(const std::wstring& path) {
    return ToUtf8(path);
}

std::string SystemErrorText(std::uint32_t error) {
    return "system error " + std::to_string(error) + ": " +
           std::system_category().message(static_cast<int>(error));
}

void WriteWholeFile(FileStore& files, const std::wstring& path,
                    std::span<const std::uint8_t> bytes) {
    if (!files.Exists(path)) {
        WriteNewFile(path, bytes);
        return;
    }
    std::uint32_t error = 0;
    if (!files.Replace(path, bytes, error)) {
        throw Failed("cannot write " + Utf8Path(path) + " (" + SystemErrorText(error) +
                     "); check that it and its folder are writable");
    }
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(FileStore& files, const std::wstring& path,
                                                       std::size_t maxBytes) {
    if (!files.Exists(path)) {
        return std::nullopt;
    }
    std::uint32_t error = 0;
    auto bytes = files.Read(path, error, maxBytes);
    if (!bytes) {
        throw Failed("cannot read " + Utf8Path(path) + " (" + SystemErrorText(error) +
                     "); check that it is readable");
    }
    return bytes;
}

void RemoveFile(const std::wstring& path) {
    std::error_code error;
    std::filesystem::remove(FsPath(path), error);
    if (error) {
        throw Failed("cannot remove " + Utf8Path(path) + " (" + error.message() +
                     "); check that its folder is writable");
    }
}

}  // namespace corvane::ctl
