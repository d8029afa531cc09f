#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/socket_peer_posix.h"
#include "core/window_instance.h"

namespace corvane {
namespace {

// Connects to `name` in the abstract namespace, with the address as long as
// the name (how Qt binds it) or padded to the whole path field (how other
// programs may); the descriptor, or -1.
int ConnectAbstract(const std::string& name, bool padded) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() + 1 > sizeof address.sun_path) {
        return -1;
    }
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto length = static_cast<socklen_t>(
        padded ? sizeof address : offsetof(sockaddr_un, sun_path) + 1 + name.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return -1;
    }
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

// 64-bit FNV-1a as 16 hex digits: it only has to keep folders apart.
std::string FolderDigest(std::string_view folder) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : folder) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string digest(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) {
        digest[static_cast<std::size_t>(i)] = kHex[hash & 0xF];
    }
    return digest;
}

}  // namespace

bool PeerIsThisUser(int socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

std::string InstanceSocketName(std::string_view runtimeFolder, unsigned userId) {
    std::string name(kInstanceSocketFolder);
    if (!runtimeFolder.empty()) {
        name += FolderDigest(runtimeFolder) + '/';
    }
    return name + std::string(kInstanceSocketStem) + std::to_string(userId);
}

std::string InstanceSocketName() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return InstanceSocketName(runtime != nullptr ? runtime : "", ::getuid());
}

// Connects and closes without a request: the window answers only a request
// line, so it is not shown.
bool WindowRunsForThisUser() {
    for (const bool padded : {false, true}) {
        const int socket = ConnectAbstract(InstanceSocketName(), padded);
        if (socket >= 0) {
            const bool ours = PeerIsThisUser(socket);
            ::close(socket);
            return ours;
        }
    }
    return false;
}

}  // namespace corvane
