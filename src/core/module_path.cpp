#include "core/module_path.h"

namespace corvane {

std::wstring ReplaceAll(std::wstring text, std::wstring_view name, std::wstring_view replacement) {
    if (name.empty()) {
        return text;
    }
    for (std::size_t at = text.find(name); at != std::wstring::npos;
         at = text.find(name, at + replacement.size())) {
        text.replace(at, name.size(), replacement);
    }
    return text;
}

}  // namespace corvane
