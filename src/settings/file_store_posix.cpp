// The file store on POSIX: a temporary file in the same folder, renamed over
// the old file in one step.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "core/text_encoding.h"
#include "settings/file_store.h"

namespace corvane {
namespace {

std::uint32_t LastError() {
    return static_cast<std::uint32_t>(errno);
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writable as Windows sees it: the permission allows it and the file is not
// marked read-only (no write bit at all), which even root respects here.
bool IsWritableFile(const std::string& path, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0) {
        errno = EACCES;
        return false;
    }
    return true;
}

// A new, empty file beside `path` with the mode new files get (0666 less the
// umask); its descriptor, or -1 with errno.
int CreateNewBeside(const std::string& path, std::string& name) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// A hard link puts the new file in place only when nothing has that name,
// in one step. File systems without hard links get a rename after a look,
// which a file appearing in between would lose to.
bool PutNewInPlace(const std::string& temporary, const std::string& path) {
    if (::link(temporary.c_str(), path.c_str()) == 0) {
        ::unlink(temporary.c_str());
        return true;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != ENOSYS) {
        return false;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(temporary.c_str(), path.c_str()) == 0;
}

class PosixFileStore final : public FileStore {
  public:
    bool Exists(const std::wstring& path) override {
        struct stat info {};
        return ::stat(ToUtf8(path).c_str(), &info) == 0;
    }

    std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path, std::uint32_t& error,
                                                  std::size_t maxBytes) override {
        const int fd = ::open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            error = LastError();
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes;
        std::uint8_t chunk[4096];
        while (bytes.size() < maxBytes) {
            const std::size_t want = std::min(sizeof(chunk), maxBytes - bytes.size());
            const ssize_t n = ::read(fd, chunk, want);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                error = LastError();
                ::close(fd);
                return std::nullopt;
            }
            if (n == 0) {
                break;
            }
            bytes.insert(bytes.end(), chunk, chunk + n);
        }
        ::close(fd);
        return bytes;
    }

    bool Create(const std::wstring& widePath, std::span<const std::uint8_t> bytes,
                std::uint32_t& error) override {
        const std::string path = ToUtf8(widePath);
        std::string temporary;
        const int fd = CreateNewBeside(path, temporary);
        if (fd < 0) {
            error = LastError();
            return false;
        }
        const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
        error = LastError();
        if (::close(fd) != 0 && written) {
            error = LastError();
        } else if (written && PutNewInPlace(temporary, path)) {
            return true;
        } else if (written) {
            error = LastError();
        }
        ::unlink(temporary.c_str());
        return false;
    }

  protected:
    bool CheckReplaceable(const std::wstring& widePath, std::uint32_t& error) override {
        const std::string path = ToUtf8(widePath);
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !IsWritableFile(path, info)) {
            error = LastError();
            return false;
        }
        return true;
    }

    std::optional<std::wstring> CreateTemporaryBeside(const std::wstring& widePath) override {
        const std::string path = ToUtf8(widePath);
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) {
            return std::nullopt;
        }
        std::string temporary = path + ".XXXXXX";
        const int fd = ::mkstemp(temporary.data());
        if (fd < 0) {
            return std::nullopt;
        }
        const bool moded = ::fchmod(fd, info.st_mode & 07777) == 0;
        ::close(fd);
        if (!moded) {
            ::unlink(temporary.c_str());
            return std::nullopt;
        }
        return FromUtf8(temporary);
    }

    bool WriteExisting(const std::wstring& path, std::span<const std::uint8_t> bytes,
                       std::uint32_t& error) override {
        // No O_CREAT: the file is never created here.
        const int fd = ::open(ToUtf8(path).c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) {
            error = LastError();
            return false;
        }
        const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
        error = LastError();
        const bool closed = ::close(fd) == 0;
        if (written && !closed) {
            error = LastError();
        }
        return written && closed;
    }

    bool PutInPlace(const std::wstring& temporary, const std::wstring& path,
                    std::uint32_t& error) override {
        if (::rename(ToUtf8(temporary).c_str(), ToUtf8(path).c_str()) != 0) {
            error = LastError();
            return false;
        }
        return true;
    }

    void Remove(const std::wstring& path) override { ::unlink(ToUtf8(path).c_str()); }
};

}  // namespace

std::unique_ptr<FileStore> MakePlatformFileStore() {
    return std::make_unique<PosixFileStore>();
}

}  // namespace corvane
