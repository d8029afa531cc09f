// Whole-file reads and writes of corvanectl: an existing file is replaced in
// one step by the same file store the window saves with; a new one is
// written beside its place and renamed into it, so that no reader ever sees
// half a file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "settings/file_store.h"

namespace corvane::ctl {

std::filesystem::path FsPath(const std::wstring& path);
std::wstring WidePath(const std::filesystem::path& path);
std::string Utf8Path(const std::wstring& path);

// The system's text for an error number, with the number.
std::string SystemErrorText(std::uint32_t error);

// Throws (exit 1) with what went wrong when the file cannot be written.
void WriteWholeFile(FileStore& files, const std::wstring& path,
                    std::span<const std::uint8_t> bytes);

// The file's first `maxBytes` bytes; nullopt when it does not exist; throws
// (exit 1) when it exists but cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(FileStore& files, const std::wstring& path,
                                                       std::size_t maxBytes);

// Removes the file if it exists; throws (exit 1) when that fails.
void RemoveFile(const std::wstring& path);

}  // namespace corvane::ctl
