#include "settings/ini_store_contract.h"

namespace corvane::testing {

INSTANTIATE_TYPED_TEST_SUITE_P(Portable, IniStoreContract, PortableIniStoreFactory);

}  // namespace corvane::testing
