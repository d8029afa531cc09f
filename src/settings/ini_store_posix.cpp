#include "settings/ini_store.h"

namespace corvane {

// Without the profile API the portable store is the platform's.
std::unique_ptr<IniStore> MakePlatformIniStore() {
    return MakePortableIniStore();
}

}  // namespace corvane
