#include "settings/ini_document.h"

#include <algorithm>
#include <array>

#include "core/text_encoding.h"

namespace corvane {
namespace {

// Windows-1252 bytes 0x80-0x9F; the five unassigned ones map to themselves,
// as the Windows conversion does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<std::uint8_t, 3> kUtf8Bom = {0xEF, 0xBB, 0xBF};

bool StartsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

std::wstring DecodeUtf16(std::span<const std::uint8_t> bytes, bool littleEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned first = bytes[i];
        const unsigned second = bytes[i + 1];
        units.push_back(
            static_cast<char16_t>(littleEndian ? first | (second << 8) : (first << 8) | second));
    }
    return FromUtf16(units);
}

std::wstring DecodeCp1252(std::span<const std::uint8_t> bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (const std::uint8_t byte : bytes) {
        text.push_back(
            static_cast<wchar_t>(byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte));
    }
    return text;
}

// The profile API's blanks: the Unicode white space and Ctrl-Z.
bool IsProfileSpace(wchar_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x1A || c == 0x85 || c == 0xA0 ||
           c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}

std::wstring_view Trim(std::wstring_view text) {
    while (!text.empty() && IsProfileSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsProfileSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Names and values end at a NUL character, as C strings do.
std::wstring_view UpToNul(std::wstring_view text) {
    return text.substr(0, std::min(text.find(L'\0'), text.size()));
}

// Trimmed again after the NUL, so that a rewritten file reads the same.
std::wstring KeyText(std::wstring_view text) {
    return std::wstring(Trim(UpToNul(text)));
}

wchar_t FoldCase(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool SameName(std::wstring_view stored, std::wstring_view wanted) {
    return stored.size() == wanted.size() &&
           std::equal(stored.begin(), stored.end(), wanted.begin(),
                      [](wchar_t a, wchar_t b) { return FoldCase(a) == FoldCase(b); });
}

}  // namespace

std::wstring DecodeIniBytes(std::span<const std::uint8_t> bytes, IniEncoding* encoding) {
    constexpr std::array<std::uint8_t, 2> kUtf16BeBom = {0xFE, 0xFF};
    IniEncoding found = IniEncoding::Ansi;
    std::wstring text;
    if (StartsWith(bytes, kUtf8Bom)) {
        found = IniEncoding::Utf8;
        text = FromUtf8(std::string(bytes.begin() + 3, bytes.end()));
    } else if (StartsWith(bytes, kUtf16LeBom)) {
        found = IniEncoding::Utf16Le;
        text = DecodeUtf16(bytes.subspan(2), true);
    } else if (StartsWith(bytes, kUtf16BeBom)) {
        found = IniEncoding::Utf16Be;
        text = DecodeUtf16(bytes.subspan(2), false);
    } else {
        text = DecodeCp1252(bytes);
    }
    if (encoding != nullptr) {
        *encoding = found;
    }
    return text;
}

std::vector<std::uint8_t> EncodeUtf16LeWithBom(const std::wstring& text) {
    const std::u16string units = ToUtf16(text);
    std::vector<std::uint8_t> bytes(std::begin(kUtf16LeBom), std::end(kUtf16LeBom));
    bytes.reserve(2 + 2 * units.size());
    for (const char16_t unit : units) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

IniDocument IniDocument::Parse(std::wstring_view text) {
    IniDocument document;
    std::size_t next = 0;
    while (next < text.size()) {
        const std::size_t start = next;
        while (next < text.size() && text[next] != L'\n' && text[next] != L'\r') {
            ++next;
        }
        std::wstring_view line = Trim(text.substr(start, next - start));
        while (next < text.size() && (text[next] == L'\n' || text[next] == L'\r')) {
            ++next;
        }
        if (line.empty()) {
            continue;
        }
        if (line.front() == L'[') {
            const std::size_t close = line.rfind(L']');
            if (close != std::wstring_view::npos && close > 0) {
                document.sections_.push_back(
                    IniSection{std::wstring(UpToNul(line.substr(1, close - 1))), {}});
                continue;
            }
        }
        IniKey key;
        const std::size_t equals = line.find(L'=');
        const std::wstring_view name =
            equals == std::wstring_view::npos ? line : Trim(line.substr(0, equals));
        key.name = KeyText(name);
        if (equals != std::wstring_view::npos) {
            key.value = KeyText(line.substr(equals + 1));
        }
        auto& keys = document.sections_.back().keys;
        // Like the profile API: a line with nothing before its "=" is kept
        // only when the key before it has a name.
        if (!name.empty() || keys.empty() || !keys.back().name.empty()) {
            keys.push_back(std::move(key));
        }
    }
    return document;
}

IniSection* IniDocument::FindSection(std::wstring_view name) {
    const auto found = std::find_if(sections_.begin(), sections_.end(),
                                    [name](const auto& s) { return SameName(s.name, name); });
    return found == sections_.end() ? nullptr : &*found;
}

const std::wstring* IniDocument::Find(std::wstring_view section, std::wstring_view key) const {
    const IniSection* found = const_cast<IniDocument*>(this)->FindSection(Trim(section));
    if (found == nullptr) {
        return nullptr;
    }
    const std::wstring_view wanted = Trim(key);
    for (const IniKey& candidate : found->keys) {
        if (SameName(candidate.name, wanted)) {
            return candidate.value ? &*candidate.value : nullptr;
        }
    }
    return nullptr;
}

void IniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    section = Trim(section);
    key = Trim(key);
    IniSection* target = FindSection(section);
    if (target == nullptr) {
        sections_.push_back(IniSection{std::wstring(section), {}});
        target = &sections_.back();
    }
    for (IniKey& candidate : target->keys) {
        if (SameName(candidate.name, key)) {
            candidate.value = std::wstring(value);
            return;
        }
    }
    target->keys.push_back(IniKey{std::wstring(key), std::wstring(value)});
}

std::wstring IniDocument::Serialize() const {
    std::wstring text;
    for (const IniSection& section : sections_) {
        if (!section.name.empty()) {
            text += L'[';
            text += section.name;
            text += L"]\r\n";
        }
        for (const IniKey& key : section.keys) {
            text += key.name;
            if (key.value) {
                text += L'=';
                text += *key.value;
            }
            text += L"\r\n";
        }
    }
    return text;
}

std::wstring ProfileResult(std::wstring_view value, std::size_t capacity) {
    if (capacity == 0) {
        return std::wstring();
    }
    bool quoted = false;
    if (value.size() >= 2 && (value.front() == L'\'' || value.front() == L'"') &&
        value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::wstring result(value.substr(0, capacity - 1));
    // The closing quote goes only when the whole value fitted.
    if (quoted && capacity >= value.size() && !result.empty()) {
        result.pop_back();
    }
    return result;
}

std::wstring_view TrimFallback(std::wstring_view fallback) {
    while (!fallback.empty() && fallback.back() == L' ') {
        fallback.remove_suffix(1);
    }
    return fallback;
}

}  // namespace corvane
