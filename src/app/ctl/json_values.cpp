#include "app/ctl/json_values.h"

#include "app/ctl/ctl_errors.h"

namespace corvane::ctl {
namespace {

constexpr std::uint64_t kByteMax = 0xFF;

}  // namespace

std::string TypeName(const Json& value) {
    return value.type_name();
}

void BadValue(const std::string& path, const std::string& problem) {
    throw BadInput(path + ": " + problem);
}

Json ByteJson(std::uint8_t value, const ByteNames& names) {
    if (const auto name = names.nameOf(value)) {
        return *name;
    }
    return value;
}

Json ByteJson(std::uint8_t value) {
    return value;
}

std::uint8_t ByteAt(const Json& value, const std::string& path) {
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > kByteMax) {
            BadValue(path, std::to_string(number) + " is out of range (0 to 255)");
        }
        return static_cast<std::uint8_t>(number);
    }
    if (value.is_number_integer()) {
        BadValue(path, std::to_string(value.get<std::int64_t>()) + " is out of range (0 to 255)");
    }
    BadValue(path, "expected a number from 0 to 255, found " + TypeName(value));
}

std::uint8_t ByteAt(const Json& value, const std::string& path, const ByteNames& names) {
    if (value.is_string()) {
        const std::string& name = value.get_ref<const std::string&>();
        if (const auto byte = names.valueOf(name)) {
            return *byte;
        }
        BadValue(path, "unknown " + names.what + " \"" + name + "\"" +
                           (names.choices.empty() ? ""
                                                  : " (expected one of " + names.choices +
                                                        ", or a number from 0 to 255)"));
    }
    if (!value.is_number()) {
        BadValue(path, "expected a " + names.what + " name or a number from 0 to 255, found " +
                           TypeName(value));
    }
    return ByteAt(value, path);
}

JsonObjectReader::JsonObjectReader(const Json& node, std::string path)
    : node_(node), path_(std::move(path)) {
    if (!node_.is_object()) {
        BadValue(path_.empty() ? "(top)" : path_, "expected an object, found " + TypeName(node_));
    }
}

std::string JsonObjectReader::PathOf(const std::string& name) const {
    return path_.empty() ? name : path_ + "." + name;
}

const Json& JsonObjectReader::Field(const std::string& name) {
    const auto found = node_.find(name);
    if (found == node_.end()) {
        BadValue(PathOf(name), "missing");
    }
    read_.insert(name);
    return *found;
}

JsonObjectReader JsonObjectReader::Object(const std::string& name) {
    return JsonObjectReader(Field(name), PathOf(name));
}

const Json& JsonObjectReader::Array(const std::string& name, std::size_t size) {
    const Json& value = Field(name);
    if (!value.is_array()) {
        BadValue(PathOf(name), "expected an array, found " + TypeName(value));
    }
    if (value.size() != size) {
        BadValue(PathOf(name), "expected " + std::to_string(size) + " elements, found " +
                                   std::to_string(value.size()));
    }
    return value;
}

std::uint8_t JsonObjectReader::Byte(const std::string& name) {
    return ByteAt(Field(name), PathOf(name));
}

std::uint8_t JsonObjectReader::Byte(const std::string& name, const ByteNames& names) {
    return ByteAt(Field(name), PathOf(name), names);
}

void JsonObjectReader::Done() const {
    for (auto it = node_.begin(); it != node_.end(); ++it) {
        if (read_.count(it.key()) == 0) {
            BadValue(PathOf(it.key()), "unknown field");
        }
    }
}

}  // namespace corvane::ctl
