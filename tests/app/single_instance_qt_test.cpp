// One instance per user: a second start signals the first and ends; an
// instance that crashed leaves nothing that blocks the next start; a running
// instance too busy to answer still ends the second start.
#include "app/single_instance_qt.h"

#include "core/window_instance.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <string>

namespace corvane::testing {
namespace {

// A name of this test's own, so that runs side by side never meet.
QString TestName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("/org.corvane.Corvane/test-%1-%2").arg(::getpid()).arg(counter++);
}

// A socket bound to `name` in the abstract namespace the way Qt binds it
// (a leading zero byte, then the name), listening but never accepting.
int BindRaw(const QString& name) {
    const QByteArray bytes = name.toUtf8();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 +
                                               static_cast<std::size_t>(bytes.size()));
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(fd, 4) != 0) {
        return -1;
    }
    return fd;
}

TEST(SingleInstanceQtTest, ASecondStartSignalsTheFirstAndEnds) {
    const QString name = TestName();
    int shown = 0;
    {
        SingleInstanceQt first([&] { ++shown; });
        ASSERT_EQ(first.Claim(name), InstanceRole::First);
        SingleInstanceQt second([] { FAIL() << "a later start is never asked"; });
        EXPECT_EQ(second.Claim(name), InstanceRole::Signalled);
        EXPECT_TRUE(EndsThisStart(InstanceRole::Signalled));
        EXPECT_EQ(shown, 1) << "shown before the second start ends";
        SingleInstanceQt third([] {});
        EXPECT_EQ(third.Claim(name), InstanceRole::Signalled);
        EXPECT_EQ(shown, 2);
    }
    // The first has ended: the next start is the first again.
    SingleInstanceQt next([] {});
    EXPECT_EQ(next.Claim(name), InstanceRole::First);
    EXPECT_FALSE(EndsThisStart(InstanceRole::First));
}

TEST(SingleInstanceQtTest, AnInstanceThatCrashedDoesNotBlockTheNextStart) {
    const QString name = TestName();
    // A process that holds the name (as Qt names it: the next test shows it
    // blocks) and is killed.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const char held = BindRaw(name) >= 0 ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_TRUE(WIFSIGNALED(status));

    SingleInstanceQt next([] {});
    EXPECT_EQ(next.Claim(name), InstanceRole::First);
}

TEST(SingleInstanceQtTest, AStartEndsWhenTheRunningInstanceIsTooBusyToAnswer) {
    const QString name = TestName();
    const int busy = BindRaw(name);  // never accepts
    ASSERT_GE(busy, 0);
    SingleInstanceQt second([] {});
    EXPECT_EQ(second.Claim(name, 300), InstanceRole::NoAnswer);
    EXPECT_TRUE(EndsThisStart(InstanceRole::NoAnswer));
    // The request waits in the socket for the running instance.
    const int accepted = ::accept(busy, nullptr, nullptr);
    ASSERT_GE(accepted, 0);
    char request[8] = {};
    EXPECT_EQ(::read(accepted, request, sizeof request), 5);
    EXPECT_STREQ(request, "show\n");
    ::close(accepted);
    ::close(busy);
}

TEST(SingleInstanceQtTest, TheUsersInstanceIsFoundWhateverTheTemporaryFolder) {
    // Qt puts a name without a leading slash under the temporary folder,
    // which a login and a terminal may set differently.
    const QString user = SingleInstanceQt::UserInstanceName();
    EXPECT_TRUE(user.startsWith(QLatin1Char('/')));
    EXPECT_TRUE(user.endsWith(QLatin1Char('-') + QString::number(::getuid())));

    const QString name = TestName();
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/tmp");
    SingleInstanceQt first([] {});
    ASSERT_EQ(first.Claim(name), InstanceRole::First);
    qputenv("TMPDIR", "/var/tmp");
    SingleInstanceQt second([] {});
    EXPECT_EQ(second.Claim(name), InstanceRole::Signalled);
    saved.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", saved);
}

// corvanectl's probe finds the user's instance through the same name, and
// its look shows nothing.
TEST(SingleInstanceQtTest, TheProbeFindsTheRunningInstanceWithoutShowingIt) {
    int shown = 0;
    {
        SingleInstanceQt first([&shown] { ++shown; });
        ASSERT_EQ(first.Claim(), InstanceRole::First);
        EXPECT_TRUE(WindowRunsForThisUser());
        QTest::qWait(50);  // a request would be answered by now
        EXPECT_EQ(shown, 0);
    }
    EXPECT_FALSE(WindowRunsForThisUser()) << "the name goes with the instance";
}

// The user's runtime folder is the same in all of the user's sessions; one
// of a session's own (a test's) keeps its instance apart.
TEST(SingleInstanceQtTest, EachRuntimeFolderHoldsAnInstanceOfItsOwn) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "/run/user/1000");
    const QString user = SingleInstanceQt::UserInstanceName();
    EXPECT_EQ(SingleInstanceQt::UserInstanceName(), user);
    qputenv("XDG_RUNTIME_DIR", "/tmp/corvane-e2e-1/runtime");
    const QString session = SingleInstanceQt::UserInstanceName();
    EXPECT_NE(session, user);
    qunsetenv("XDG_RUNTIME_DIR");
    const QString none = SingleInstanceQt::UserInstanceName();
    EXPECT_NE(none, user);
    EXPECT_NE(none, session);
    // Qt's limit of an abstract name, whatever the folder's length.
    qputenv("XDG_RUNTIME_DIR", QByteArray(4096, 'r'));
    EXPECT_LT(SingleInstanceQt::UserInstanceName().toUtf8().size(), 100);
    for (const QString& name : {user, session, none}) {
        EXPECT_TRUE(name.endsWith(QLatin1Char('-') + QString::number(::getuid())))
            << name.toStdString();
    }
    saved.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", saved);
}

}  // namespace
}  // namespace corvane::testing
