#include "app/tray_icon_qt.h"

#include <utility>

namespace corvane {
namespace {

QString QtText(std::wstring_view text) {
    return QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size()));
}

// The reverse-DNS id that names the desktop entry and the icon.
constexpr char kIconName[] = "org.corvane.Corvane";
// The built-in icon's sizes, as the resource holds them.
constexpr int kBuiltInSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace

TrayIconQt::TrayIconQt(const QIcon& icon, std::wstring_view exitText, TrayActions actions,
                       QObject* parent)
    : QObject(parent), actions_(std::move(actions)), icon_(icon) {
    exit_ = menu_.addAction(QtText(exitText));
    // Queued: ending the program from inside the menu's own signal would
    // tear the menu down while it still runs.
    connect(
        exit_, &QAction::triggered, this, [this] { actions_.exit(); }, Qt::QueuedConnection);
    connect(&menu_, &QMenu::aboutToShow, this, [this] { actions_.menuShowing(); });
    icon_.setContextMenu(&menu_);
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { OnActivated(reason); });
}

void TrayIconQt::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    // The Windows program shows the window on a left button's release and
    // on a double click alike; the right button brings the menu, which Qt
    // or the desktop pops up itself.
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
        actions_.click();
    }
}

bool TrayIconQt::Add(std::wstring_view tip) {
    icon_.setToolTip(QtText(tip));
    icon_.show();
    return TrayAvailable();
}

void TrayIconQt::Remove() {
    icon_.hide();
}

void TrayIconQt::SetExitText(std::wstring_view exitText) {
    exit_->setText(QtText(exitText));
}

void TrayIconQt::ShowBalloon(std::wstring_view text, std::wstring_view title, unsigned timeoutMs) {
    icon_.showMessage(QtText(title), QtText(text), QSystemTrayIcon::Information,
                      static_cast<int>(BalloonTimeoutMs(timeoutMs)));
}

bool TrayIconQt::TrayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QIcon BuiltInApplicationIcon() {
    QIcon builtIn;
    for (const int size : kBuiltInSizes) {
        builtIn.addFile(QStringLiteral(":/%1/hicolor/%2x%2/apps/%1.png")
                            .arg(QLatin1String(kIconName))
                            .arg(size),
                        QSize(size, size));
    }
    return builtIn;
}

QIcon ThemeApplicationIcon() {
    return QIcon::fromTheme(QLatin1String(kIconName), BuiltInApplicationIcon());
}

StartWaitQt::StartWaitQt(bool hiddenAsked, std::function<bool()> trayAvailable,
                         std::function<void(StartStep)> settled, QObject* parent)
    : QObject(parent),
      hiddenAsked_(hiddenAsked),
      trayAvailable_(std::move(trayAvailable)),
      settled_(std::move(settled)) {
    poll_.setInterval(kTrayPollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { Ask(); });
}

void StartWaitQt::Begin() {
    waited_.start();
    Ask();
}

void StartWaitQt::Ask() {
    const StartStep step =
        NextStartStep(hiddenAsked_, trayAvailable_(), static_cast<int>(waited_.elapsed()));
    if (step == StartStep::WaitForTray) {
        if (!poll_.isActive()) {
            poll_.start();
        }
        return;
    }
    poll_.stop();
    settled_(step);
}

}  // namespace corvane
