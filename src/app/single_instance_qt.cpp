#include "app/single_instance_qt.h"

#include <QEventLoop>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include <optional>
#include <utility>

#include "core/socket_peer_posix.h"
#include "core/window_instance.h"

namespace corvane {
namespace {

constexpr char kShowRequest[] = "show\n";
constexpr char kShowAnswer[] = "ok\n";
// Longer than any request: a peer that sends more is not one of ours.
constexpr qint64 kLongestRequest = 16;

void Answer(QLocalSocket* socket, const std::function<void()>& showRequested) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kLongestRequest) {
            socket->abort();
        }
        return;
    }
    if (socket->readLine(kLongestRequest) != kShowRequest) {
        socket->disconnectFromServer();
        return;
    }
    // Showing may run a modal loop, in which the asking start can give up
    // and its socket go.
    const QPointer<QLocalSocket> alive(socket);
    showRequested();
    if (alive) {
        alive->write(kShowAnswer);
        alive->flush();
        alive->disconnectFromServer();
    }
}

}  // namespace

SingleInstanceQt::SingleInstanceQt(std::function<void()> showRequested, QObject* parent)
    : QObject(parent), showRequested_(std::move(showRequested)) {
    server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] { Accept(); });
}

// The same name corvanectl's probe looks for.
QString SingleInstanceQt::UserInstanceName() {
    // Starting with a slash, the name is taken as it is; any other Qt would
    // put under the temporary folder, which differs between environments.
    return QString::fromStdString(InstanceSocketName());
}

InstanceRole SingleInstanceQt::Claim(const QString& name, int answerMs) {
    // Twice: the holder may end between a failed listen and the connect.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (server_.listen(name)) {
            return InstanceRole::First;
        }
        if (server_.serverError() != QAbstractSocket::AddressInUseError) {
            return InstanceRole::FirstUnguarded;
        }
        QLocalSocket socket;
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        socket.connectToServer(name);
        if (socket.waitForConnected(answerMs)) {
            if (!PeerIsThisUser(static_cast<int>(socket.socketDescriptor()))) {
                return InstanceRole::FirstUnguarded;
            }
            return AskRunning(socket, answerMs);
        }
    }
    return InstanceRole::FirstUnguarded;
}

// The request stays in the socket when the running instance is busy: it
// shows itself when it gets to it, after this start has ended.
InstanceRole SingleInstanceQt::AskRunning(QLocalSocket& socket, int answerMs) {
    socket.write(kShowRequest);
    socket.flush();
    // A loop of its own, not waitForReadyRead: the running instance may be
    // this very process (tests), whose server answers on the event loop.
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        if (socket.canReadLine()) {
            loop.quit();
        }
    });
    connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    timeout.start(answerMs);
    if (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    const bool answered = socket.canReadLine() && socket.readLine() == kShowAnswer;
    return answered ? InstanceRole::Signalled : InstanceRole::NoAnswer;
}

void SingleInstanceQt::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsThisUser(static_cast<int>(socket->socketDescriptor()))) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket] { Answer(socket, showRequested_); });
        Answer(socket, showRequested_);
    }
}

}  // namespace corvane
