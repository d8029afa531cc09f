// The INI store without the profile API: the whole file is decoded, looked
// up or changed, and written back as UTF-16LE with a byte-order mark.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <vector>

#include "core/text_encoding.h"
#include "settings/ini_document.h"
#include "settings/ini_store.h"

namespace corvane {
namespace {

std::filesystem::path PathOf(const std::wstring& path) {
    if constexpr (sizeof(wchar_t) == 2) {
        return std::filesystem::path(path);
    } else {
        return std::filesystem::path(ToUtf8(path));
    }
}

std::optional<std::vector<std::uint8_t>> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // Through istream::read, which turns a failing read (a folder opens, but
    // reading it fails) into badbit; the stream buffer itself would throw.
    std::vector<std::uint8_t> bytes;
    char chunk[4096];
    do {
        in.read(chunk, sizeof chunk);
        bytes.insert(bytes.end(), chunk, chunk + in.gcount());
    } while (in);
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

// The errno of the stream call that just failed; a failure that left none
// still reports an input/output error rather than success.
SaveResult FailedWithErrno() {
    const int error = errno;
    return SaveResult::Failed(static_cast<std::uint32_t>(error != 0 ? error : EIO));
}

SaveResult WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return FailedWithErrno();
    }
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out ? SaveResult::Done() : FailedWithErrno();
}

// A temporary file beside the target, then renamed over it, so that an
// interrupted write leaves the old file; in place when that is not possible.
SaveResult ReplaceBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path temporary = path;
    temporary += ".new";
    std::error_code error;
    if (WriteBytes(temporary, bytes).done()) {
        std::filesystem::rename(temporary, path, error);
        if (!error) {
            return SaveResult::Done();
        }
    }
    std::filesystem::remove(temporary, error);
    return WriteBytes(path, bytes);
}

class PortableIniStore final : public IniStore {
  public:
    std::wstring Read(const std::wstring& path, const std::wstring& section,
                      const std::wstring& key, const std::wstring& fallback,
                      std::size_t capacity) override {
        const auto bytes = ReadBytes(PathOf(path));
        if (!bytes) {
            return std::wstring(TrimFallback(fallback).substr(0, capacity == 0 ? 0 : capacity - 1));
        }
        const IniDocument document = IniDocument::Parse(DecodeIniBytes(*bytes));
        const std::wstring* value = document.Find(section, key);
        return ProfileResult(value != nullptr ? std::wstring_view(*value) : TrimFallback(fallback),
                             capacity);
    }

    SaveResult Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        const std::filesystem::path file = PathOf(path);
        auto bytes = ReadBytes(file);
        if (!bytes) {
            // A new file starts as an empty Unicode one, as the Win32 store makes it.
            const std::vector<std::uint8_t> empty(std::begin(kUtf16LeBom), std::end(kUtf16LeBom));
            if (const SaveResult created = WriteBytes(file, empty); !created.done()) {
                return created;
            }
            bytes = empty;
        }
        IniDocument document = IniDocument::Parse(DecodeIniBytes(*bytes));
        document.Set(section, key, value);
        return ReplaceBytes(file, EncodeUtf16LeWithBom(document.Serialize()));
    }
};

}  // namespace

std::unique_ptr<IniStore> MakePortableIniStore() {
    return std::make_unique<PortableIniStore>();
}

}  // namespace corvane
