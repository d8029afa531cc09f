#include "settings/ini_store.h"

namespace corvane {

std::unique_ptr<IniStore> MakePlatformIniStore() {
    return MakePortableIniStore();
}

}  // namespace corvane
