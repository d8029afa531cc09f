// How a corvanectl command ends: its exit code, and the failures that end it
// early with a message that says what went wrong and what to do.
#pragma once

#include <stdexcept>
#include <string>

namespace corvane::ctl {

inline constexpr int kExitDone = 0;
// The device or the file system failed: mouse not found, a transfer failed,
// a file cannot be read or written.
inline constexpr int kExitFailed = 1;
// Usage or bad input: an unknown name, a value out of range, a damaged file.
inline constexpr int kExitBadInput = 2;

// Thrown by a command; RunCorvaneCtl prints the message and returns the code.
class CommandFailure : public std::runtime_error {
  public:
    CommandFailure(int exitCode, const std::string& message)
        : std::runtime_error(message), exitCode_(exitCode) {}
    int exitCode() const { return exitCode_; }

  private:
    int exitCode_;
};

inline CommandFailure BadInput(const std::string& message) {
    return CommandFailure(kExitBadInput, message);
}

inline CommandFailure Failed(const std::string& message) {
    return CommandFailure(kExitFailed, message);
}

}  // namespace corvane::ctl
