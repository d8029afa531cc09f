// The private-profile (INI) file format as the Windows profile functions
// read and write it, on text already decoded: lines split at CR or LF,
// blanks trimmed, "[name]" up to the last "]" opens a section, "name=value"
// is a key, any other line a key without value. Lookups take the first
// section of the name and, in it, the first key of the name, both without
// regard to case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum class IniEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

// The text of an INI file's bytes: a byte-order mark chooses UTF-8, UTF-16LE
// or UTF-16BE, anything else is the ANSI code page (Windows-1252). Any bytes
// decode: a trailing odd byte of UTF-16 is dropped, invalid sequences become
// U+FFFD.
std::wstring DecodeIniBytes(std::span<const std::uint8_t> bytes, IniEncoding* encoding = nullptr);
// UTF-16LE with a byte-order mark, the encoding the tool writes.
std::vector<std::uint8_t> EncodeUtf16LeWithBom(const std::wstring& text);
inline constexpr std::uint8_t kUtf16LeBom[2] = {0xFF, 0xFE};

struct IniKey {
    std::wstring name;
    std::optional<std::wstring> value;  // none for a line without "="
};

struct IniSection {
    std::wstring name;  // empty for the keys before the first section
    std::vector<IniKey> keys;
};

class IniDocument {
  public:
    static IniDocument Parse(std::wstring_view text);

    // The raw value of `key` in `section`, or null when either is missing or
    // the key has no value.
    const std::wstring* Find(std::wstring_view section, std::wstring_view key) const;
    // Sets `key` in the first section of that name, appending the key or the
    // section when missing.
    void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);
    // The file text: "[name]" and "name=value" lines ending in CR LF.
    std::wstring Serialize() const;

    const std::vector<IniSection>& sections() const { return sections_; }

  private:
    IniSection* FindSection(std::wstring_view name);
    std::vector<IniSection> sections_{IniSection{}};
};

// What the profile API hands out for a stored value (or the fallback): a
// value in matching single or double quotes loses them, and at most
// `capacity - 1` characters are kept.
std::wstring ProfileResult(std::wstring_view value, std::size_t capacity);
// The fallback as the profile API takes it: trailing spaces removed.
std::wstring_view TrimFallback(std::wstring_view fallback);

}  // namespace corvane
