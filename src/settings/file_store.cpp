#include "settings/file_store.h"

namespace corvane {

bool FileStore::Replace(const std::wstring& path, std::span<const std::uint8_t> bytes,
                        std::uint32_t& error) {
    if (!CheckReplaceable(path, error)) {
        return false;
    }
    const std::optional<std::wstring> temporary = CreateTemporaryBeside(path);
    if (!temporary) {
        // A folder that takes no new file while the file itself is writable.
        return WriteExisting(path, bytes, error);
    }
    if (WriteExisting(*temporary, bytes, error) && PutInPlace(*temporary, path, error)) {
        return true;
    }
    Remove(*temporary);
    return false;
}

}  // namespace corvane
