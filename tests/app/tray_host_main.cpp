// A small program for the tray's end-to-end test: the tray piece, the single
// instance and the start's wait for a tray, wired as the Linux window wires
// them, around a plain 320 x 240 window in place of the skinned one.
//   corvane_tray_host [--hidden] [--no-mouse] [--instance NAME]
// --no-mouse: a click on the icon shows the not-detected notice instead of
// the window, with the 100 ms the Windows program asks for. Each step is
// written to standard output, one line each.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <cstdio>
#include <functional>

#include "app/single_instance_qt.h"
#include "app/tray_icon_qt.h"

// Qt's platform libraries keep a few allocations for the life of the
// process; they are not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\nleak:libfontconfig.so\nleak:libxcb\n";
}

namespace {

void Say(const char* step) {
    std::printf("%s\n", step);
    std::fflush(stdout);
}

// Escape stands for the window's hide requests (Min, Exit, Enter, Escape).
class Window final : public QWidget {
  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Escape) {
            QWidget::keyPressEvent(event);
            return;
        }
        if (corvane::HideMeansFor(corvane::TrayIconQt::TrayAvailable()) ==
            corvane::HideMeans::Hide) {
            hide();
            Say("hidden");
        } else {
            showMinimized();
            Say("minimised");
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const bool hidden = args.contains(QStringLiteral("--hidden"));
    const bool noMouse = args.contains(QStringLiteral("--no-mouse"));
    const qsizetype named = args.indexOf(QStringLiteral("--instance"));
    const QString instance = named >= 0 && named + 1 < args.size()
                                 ? args[named + 1]
                                 : corvane::SingleInstanceQt::UserInstanceName();

    Window window;
    window.setFixedSize(320, 240);
    window.setWindowTitle(QStringLiteral("Corvane tray host"));
    std::function<void()> click;

    corvane::SingleInstanceQt single([&] { click(); });
    const corvane::InstanceRole role = single.Claim(instance);
    if (corvane::EndsThisStart(role)) {
        Say(role == corvane::InstanceRole::Signalled ? "signalled" : "no answer");
        return 0;
    }

    corvane::TrayIconQt tray(corvane::BuiltInApplicationIcon(), L"Exit",
                             {[&] { click(); }, [] { Say("menu"); },
                              [] {
                                  Say("exit");
                                  QApplication::exit(0);
                              }});
    click = [&] {
        if (noMouse) {
            tray.ShowBalloon(L"The system did not detect the gaming mouse!", L"Warning", 100);
            Say("balloon");
            return;
        }
        window.show();
        window.raise();
        Say("shown");
    };
    tray.Add(L"Gaming Mouse Setting");

    corvane::StartWaitQt start(hidden, &corvane::TrayIconQt::TrayAvailable,
                               [&](corvane::StartStep step) {
                                   if (step == corvane::StartStep::ShowWindow) {
                                       window.show();
                                       Say("started shown");
                                   } else {
                                       Say("started in the tray");
                                   }
                               });
    Say("running");
    start.Begin();
    return QApplication::exec();
}
