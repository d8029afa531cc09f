// str.ini as JSON: an object of sections in file order, each an object of
// its keys in file order with their values (null for a line without "=").
// Keys before the first section are under the section name "".
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/ctl/json_values.h"

namespace corvane::ctl {

Json StrIniToJson(std::span<const std::uint8_t> bytes);

// The file's bytes as the program writes them; throws BadInput for a name or
// value that str.ini cannot hold as given (line breaks, blanks at either end,
// "=" in a key, ...).
std::vector<std::uint8_t> StrIniFromJson(const Json& sections, const std::string& path);

}  // namespace corvane::ctl
