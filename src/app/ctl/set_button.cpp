#include "app/ctl/ctl_errors.h"
#include "app/ctl/set_edits.h"

namespace corvane::ctl {

std::string EditButton(const SetRequest&, SetTarget&) {
    throw Failed("set button is not built yet");
}

}  // namespace corvane::ctl
