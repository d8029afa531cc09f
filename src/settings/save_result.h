// What storing one of the settings files did, so that the caller decides
// how to tell the user: the window shows a box, corvanectl an exit code.
#pragma once

#include <cstdint>

namespace corvane {

class SaveResult {
  public:
    enum class Status {
        Done,     // stored (or nothing to store)
        Missing,  // config.bin does not exist: it is only ever rewritten, never created
        Failed,   // not stored; error() is the system error number
    };

    static SaveResult Done() { return SaveResult(Status::Done, 0); }
    static SaveResult Missing() { return SaveResult(Status::Missing, 0); }
    // `error`: GetLastError on Windows, errno elsewhere.
    static SaveResult Failed(std::uint32_t error) { return SaveResult(Status::Failed, error); }

    Status status() const { return status_; }
    bool done() const { return status_ == Status::Done; }
    std::uint32_t error() const { return error_; }
    friend bool operator==(const SaveResult&, const SaveResult&) = default;

  private:
    SaveResult(Status status, std::uint32_t error) : status_(status), error_(error) {}

    Status status_;
    std::uint32_t error_;
};

}  // namespace corvane
