// One instance per user: the first start holds a local socket in the
// abstract namespace (the kernel releases it with the process, so a crash
// leaves nothing behind that could block the next start); a later start
// asks it to show itself and ends. Either side talks only to processes of
// the same user.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

class QLocalSocket;

namespace corvane {

enum class InstanceRole {
    // This start runs the program; later starts' requests reach the handler.
    First,
    // The name is held by another user's process: this start runs, but
    // later starts cannot find it.
    FirstUnguarded,
    // Another instance runs and has taken the request to show itself: end
    // with code 0.
    Signalled,
    // Another instance runs but did not answer in time (busy with the
    // mouse); it takes the request when it can. End with code 0 as well.
    NoAnswer,
};

// True when this start ends at once with code 0.
inline bool EndsThisStart(InstanceRole role) {
    return role == InstanceRole::Signalled || role == InstanceRole::NoAnswer;
}

// How long a later start waits for the running instance's answer.
inline constexpr int kInstanceAnswerMs = 3000;

class SingleInstanceQt final : public QObject {
  public:
    // `showRequested` runs on the event loop for each later start, as a
    // click on the tray icon would (Shell::OnTrayClick).
    explicit SingleInstanceQt(std::function<void()> showRequested, QObject* parent = nullptr);

    // Claims `name` for this start, or signals the instance that holds it.
    // Needs a QCoreApplication.
    InstanceRole Claim(const QString& name = UserInstanceName(), int answerMs = kInstanceAnswerMs);

    // The name of this user's instance: the application's id, a digest of
    // the user's runtime folder (XDG_RUNTIME_DIR) when one is set, and the
    // user id.
    static QString UserInstanceName();

  private:
    InstanceRole AskRunning(QLocalSocket& socket, int answerMs);
    void Accept();

    std::function<void()> showRequested_;
    QLocalServer server_;
};

}  // namespace corvane
