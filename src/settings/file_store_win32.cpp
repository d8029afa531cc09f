#include "settings/file_store.h"

namespace corvane {
namespace {

class Win32FileStore final : public FileStore {
  public:
    bool Exists(const std::wstring&) override { return false; }
    std::optional<std::vector<std::uint8_t>> Read(const std::wstring&, std::uint32_t& error,
                                                  std::size_t) override {
        error = 2;
        return std::nullopt;
    }
    bool Replace(const std::wstring&, std::span<const std::uint8_t>,
                 std::uint32_t& error) override {
        error = 2;
        return false;
    }
};

}  // namespace

std::unique_ptr<FileStore> MakePlatformFileStore() {
    return std::make_unique<Win32FileStore>();
}

}  // namespace corvane
