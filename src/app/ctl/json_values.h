// Reading corvanectl's JSON strictly: every field must be there, of its
// type and in range, no field may be unknown, and the first bad one ends the
// import with its path ("config.buttons.normal.4.fireCount") and what is
// wrong. Byte values are written as their name when they have one, else as
// their number, and read back from either.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace corvane::ctl {

using Json = nlohmann::ordered_json;

// The names of one kind of byte value, both ways.
struct ByteNames {
    std::string what;  // "function", "DPI value", ...
    std::function<std::optional<std::string>(std::uint8_t)> nameOf;
    std::function<std::optional<std::uint8_t>(std::string_view)> valueOf;
    std::string choices;  // the names, for the message of an unknown one
};

// The name of `value` when it has one, else the number.
Json ByteJson(std::uint8_t value, const ByteNames& names);
Json ByteJson(std::uint8_t value);

// Throws BadInput("PATH: ...") for a missing or unknown field, a wrong type
// or a value out of range.
class JsonObjectReader {
  public:
    JsonObjectReader(const Json& node, std::string path);

    const Json& Field(const std::string& name);
    JsonObjectReader Object(const std::string& name);
    // An array of exactly `size` elements.
    const Json& Array(const std::string& name, std::size_t size);
    std::uint8_t Byte(const std::string& name);
    std::uint8_t Byte(const std::string& name, const ByteNames& names);
    // Call when every field was read: any other field is refused.
    void Done() const;

    std::string PathOf(const std::string& name) const;
    const std::string& path() const { return path_; }

  private:
    const Json& node_;
    std::string path_;
    std::set<std::string> read_;
};

// An element of an array or a field as a byte, by its path.
std::uint8_t ByteAt(const Json& value, const std::string& path);
std::uint8_t ByteAt(const Json& value, const std::string& path, const ByteNames& names);
[[noreturn]] void BadValue(const std::string& path, const std::string& problem);
std::string TypeName(const Json& value);

}  // namespace corvane::ctl
