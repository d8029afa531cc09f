#include "app/simulated_plug_linux.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <utility>

#include "core/text_encoding.h"

namespace corvane {
namespace {

// No command is longer; a longer line is not one.
constexpr std::size_t kLongestLine = 64;

class PlugPipe final : public NodeEventSource {
  public:
    PlugPipe(int reader, int keeper, SimulatedPlug plug)
        : reader_(reader), keeper_(keeper), plug_(std::move(plug)) {}
    ~PlugPipe() override {
        ::close(reader_);
        ::close(keeper_);
    }
    PlugPipe(const PlugPipe&) = delete;
    PlugPipe& operator=(const PlugPipe&) = delete;

    int Descriptor() const override { return reader_; }

    std::vector<NodeEvent> ReadEvents(std::int64_t nowMs) override {
        char buffer[512];
        for (;;) {
            const ssize_t n = ::read(reader_, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            pending_.append(buffer, static_cast<std::size_t>(n));
        }
        std::vector<NodeEvent> events;
        for (;;) {
            const std::size_t end = pending_.find('\n');
            if (skipping_) {
                // The rest of an overlong line, up to its end, is dropped too.
                pending_.erase(0, end == std::string::npos ? end : end + 1);
                skipping_ = end == std::string::npos;
                if (skipping_) {
                    break;
                }
                continue;
            }
            if (end == std::string::npos) {
                if (pending_.size() > kLongestLine) {
                    pending_.clear();
                    skipping_ = true;
                }
                break;
            }
            const std::string_view line(pending_.data(), end);
            if (line.size() <= kLongestLine) {
                if (const std::optional<PlugCommand> command = ParsePlugCommand(line)) {
                    std::vector<NodeEvent> made = plug_.Apply(*command, nowMs);
                    events.insert(events.end(), made.begin(), made.end());
                }
            }
            pending_.erase(0, end + 1);
        }
        return events;
    }

  private:
    int reader_;
    // A writer of our own, so that the pipe does not signal the end of input
    // after every writer that comes and goes.
    int keeper_;
    SimulatedPlug plug_;
    std::string pending_;
    bool skipping_ = false;  // inside a line too long to be a command
};

}  // namespace

PlugControl OpenPlugControl(const std::wstring& folder, SimulatedPlug plug) {
    std::string path = ToUtf8(folder);
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    path += kPlugControlName;

    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0) {
        if (!S_ISFIFO(status.st_mode)) {
            return {PlugControlSetup::Taken, nullptr};
        }
    } else if (errno != ENOENT || ::mkfifo(path.c_str(), 0600) != 0) {
        return {PlugControlSetup::CannotMake, nullptr};
    }
    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (reader < 0) {
        return {PlugControlSetup::CannotOpen, nullptr};
    }
    const int keeper = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (keeper < 0) {
        ::close(reader);
        return {PlugControlSetup::CannotOpen, nullptr};
    }
    return {PlugControlSetup::Ready, std::make_unique<PlugPipe>(reader, keeper, std::move(plug))};
}

}  // namespace corvane
