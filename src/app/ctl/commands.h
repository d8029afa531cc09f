// The commands of corvanectl, each taking the parsed options and returning
// the exit code (or throwing CommandFailure).
#pragma once

#include <optional>
#include <string>

#include "app/ctl/ctl_context.h"

namespace corvane::ctl {

int RunList(CtlContext& context, const CommonOptions& options);
int RunInfo(CtlContext& context, const CommonOptions& options);
int RunBackup(CtlContext& context, const CommonOptions& options, const std::string& file);
int RunRestore(CtlContext& context, const CommonOptions& options, const std::string& file);

int RunShow(CtlContext& context, const CommonOptions& options);
int RunExport(CtlContext& context, const CommonOptions& options,
              const std::optional<std::string>& file);
int RunImport(CtlContext& context, const CommonOptions& options, const std::string& file);

// One `set`: what to change, as typed.
struct SetRequest {
    enum class What { Rate, Dpi, Button, Lighting };
    What what = What::Rate;
    std::string rate;                     // rate HZ
    std::string stage, dpi;               // dpi STAGE VALUE
    std::string layer, button, function;  // button LAYER N FUNCTION [ARGUMENT]
    std::optional<std::string> argument;
    std::optional<std::string> times, make, breakTime;  // fire-key --times --make --break
    std::string mode;                                   // lighting MODE [PARAMETER]
    std::optional<std::string> parameter;
    bool apply = false;
};

int RunSet(CtlContext& context, const CommonOptions& options, const SetRequest& request);

}  // namespace corvane::ctl
