// Who is at the other end of a local socket. The abstract namespace is
// shared by all users of the system: only a peer of this user is this
// user's program.
#pragma once

namespace corvane {

// Whether the process at the other end of connected local socket `socket`
// runs as this user.
bool PeerIsThisUser(int socket);

}  // namespace corvane
