#include "settings/ini_store.h"

namespace corvane {
namespace {

class PortableIniStore final : public IniStore {
  public:
    std::wstring Read(const std::wstring&, const std::wstring&, const std::wstring&,
                      const std::wstring& fallback, std::size_t) override {
        return fallback;
    }
    bool Write(const std::wstring&, const std::wstring&, const std::wstring&,
               const std::wstring&) override {
        return false;
    }
};

}  // namespace

std::unique_ptr<IniStore> MakePortableIniStore() {
    return std::make_unique<PortableIniStore>();
}

#if !defined(_WIN32)
std::unique_ptr<IniStore> MakePlatformIniStore() {
    return MakePortableIniStore();
}
#endif

}  // namespace corvane
