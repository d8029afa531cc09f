// corvanectl: the mouse and its settings from the command line, on the same
// libraries as the window. RunCorvaneCtl parses the arguments (without the
// program name, UTF-8) and runs one command; main() only builds the context.
#pragma once

#include <string>
#include <vector>

#include "app/ctl/ctl_context.h"

namespace corvane::ctl {

int RunCorvaneCtl(const std::vector<std::string>& args, CtlContext& context);

}  // namespace corvane::ctl
