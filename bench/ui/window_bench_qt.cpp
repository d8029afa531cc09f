// Costs of the Linux window with Qt on an X server (a private Xvfb when no
// DISPLAY is set), each beside its floor: decoding with QImage the images
// the step must draw, plus one copy of the window to the screen.
//   hover change     = Save's over and Exit's normal image (or the other way
//                      round) blended, one copy; floor: the two decodes + copy
//   key page draw    = KeySet.png and the ten labels, one copy;
//                      floor: decoding KeySet.png + copy
//   key list opening = the box click, the list of 14 functions created in
//                      the skin's colours and painted; floor: one copy (it
//                      draws no image), and beside it a bare list of 14
//   fire key dialog  = the dialog's window, its background and buttons, its
//                      three number boxes and texts, its first paint, over
//                      the window with the key list open (as it runs when
//                      chosen from the list); floor: the three images it
//                      draws as it opens decoded (background, accept and
//                      cancel; the close box and the drop-down box are part
//                      of the background) + a bare window of its size with
//                      three bare edit boxes, shown, first paint
// Target: each within 1.3 times its floor. Every step ends with a round
// trip to the X server, so what it sent has been done.
// Run: build/native-release/bench/ui/corvane_window_bench [ROUNDS]
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/text_encoding.h"
#include "linux/e2e/x_session.h"
#include "settings/settings_files.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/main/main_host_qt.h"
#include "ui/main/main_layout.h"
#include "ui/main/tessary_dlg.h"
#include "ui/skin/skin_dir.h"

namespace corvane {
namespace {

using testing::FakeFileStore;
using testing::FakeIniStore;
using testing::FakeSystemFacts;
using testing::FakeUserMessages;

constexpr int kDefaultRounds = 100;
constexpr double kTarget = 1.3;

struct Figures {
    double median = 0;
    double best = 0;
    Figures operator+(const Figures& o) const { return {median + o.median, best + o.best}; }
};

class Owner final : public MainWindowOwner {
  public:
    bool WriteMouse() override { return true; }
    void EndProgram() override {}
};

// The X server has done what was sent to it.
void SyncWithServer() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr) {
        xcb_connection_t* connection = x11->connection();
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
}

struct Step {
    template <class Run>
    Step(Run run) : run(std::move(run)) {}  // NOLINT: a bare lambda is a step
    template <class Run, class Prepare>
    Step(Run run, Prepare prepare) : run(std::move(run)), prepare(std::move(prepare)) {}

    std::function<void()> run;
    std::function<void()> prepare;  // untimed, before each run
};

// Steps run round-robin (a change of the shared machine's load falls on all
// alike); what they left queued is handled, untimed, before each.
std::vector<Figures> Measure(const std::vector<Step>& steps, int rounds) {
    std::vector<std::vector<double>> times(steps.size());
    for (const Step& step : steps) {  // warm up
        if (step.prepare) {
            step.prepare();
        }
        step.run();
    }
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t s = 0; s < steps.size(); ++s) {
            if (steps[s].prepare) {
                steps[s].prepare();
            }
            QCoreApplication::processEvents();
            SyncWithServer();
            QElapsedTimer clock;
            clock.start();
            steps[s].run();
            SyncWithServer();
            times[s].push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
        }
    }
    std::vector<Figures> figures;
    for (auto& t : times) {
        std::sort(t.begin(), t.end());
        figures.push_back({t[t.size() / 2], t.front()});
    }
    return figures;
}

Point CentreOf(const Rect& r) {
    return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Print(const char* name, const Figures& f, const Figures* floor) {
    if (floor == nullptr) {
        std::printf("  %-46s median %8.1f us  best %8.1f us\n", name, f.median, f.best);
        return;
    }
    const double ratio = f.median / floor->median;
    std::printf("  %-46s median %8.1f us  best %8.1f us  x%.2f of its floor (%s)\n", name, f.median,
                f.best, ratio, ratio <= kTarget ? "within the target" : "ABOVE");
}

// Runs `then` with the window once a widget of a window other than
// `ignored` has painted for the first time (after that paint is handled).
class AfterFirstPaint final : public QObject {
  public:
    AfterFirstPaint(const QWidget* ignored, std::function<void(QWidget*)> then)
        : ignored_(ignored), then_(std::move(then)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!done_ && event->type() == QEvent::Paint && widget != nullptr &&
            widget->window() != ignored_) {
            done_ = true;
            QPointer<QWidget> window = widget->window();
            QTimer::singleShot(0, this, [this, window] { then_(window); });
        }
        return false;
    }

  private:
    const QWidget* ignored_;
    std::function<void(QWidget*)> then_;
    bool done_ = false;
};

int Run(int rounds) {
    const std::wstring skin = FromUtf8(CORVANE_ASSETS_DIR) + L"/Skins/EN";
    FakeUserMessages messages;
    MainHostQt host;
    DeviceState state;
    FakeSystemFacts facts;
    FakeFileStore files;
    FakeIniStore ini;
    SettingsFiles stored{state, files, ini, facts, L"/settings/", L"Setting-EN"};
    Owner owner;
    CTessaryDlg dlg{state,  host,  messages,      TextTableFor(kLangEnglishUs),
                    stored, owner, kLangEnglishUs};
    state.firstRunFlag = 1;
    for (auto& layer : dlg.labels()) {
        for (auto& label : layer) {
            label = L"Right Click";
        }
    }
    host.SetUp({skin, FontsFor(kLangEnglishUs, 0), 0, messages});
    host.LoadBackground(L"/main.png");
    host.Attach(dlg);
    host.window()->move(0, 0);
    host.Show();
    dlg.ShowKeyPage();
    QEventLoop exposed;
    QTimer::singleShot(200, &exposed, &QEventLoop::quit);
    exposed.exec();

    const auto decode = [&](std::wstring_view name) {
        const QImage image(QString::fromStdWString(SkinImagePath(skin, name)));
        if (image.isNull()) {
            std::fprintf(stderr, "cannot decode %ls\n", SkinImagePath(skin, name).c_str());
        }
    };
    bool onSave = false;
    const Point box = CentreOf(kKeyBoxes[0][3]);  // opens its list, or closes it
    const auto toggleList = [&] { dlg.OnLButtonDown(box); };

    // The fire key dialog over the window, closed once it has painted.
    const auto openFireKey = [&] {
        AfterFirstPaint closer(host.window(), [](QWidget* dialog) {
            if (dialog != nullptr) {
                dialog->close();  // the dialog's close box: cancelled
            }
        });
        qApp->installEventFilter(&closer);
        host.RunDialog(DialogKind::FireKey, DialogInputs{0, kLangEnglishUs});
        qApp->removeEventFilter(&closer);
    };
    const DialogLayout& fire = LayoutOf(DialogKind::FireKey);
    const auto bareDialog = [&] {
        for (std::wstring_view image : {fire.background, fire.acceptNormal, fire.cancelNormal}) {
            decode(image);
        }
        QWidget bare(nullptr, Qt::Window | Qt::FramelessWindowHint);
        bare.setFixedSize(fire.clientWidth + 2, fire.clientHeight + 2);
        // As the Windows floor: bare edit boxes where the number boxes sit.
        for (const NumberBox& box : kFireKeyNumberBoxes) {
            auto* edit = new QLineEdit(QStringLiteral("5"), &bare);
            edit->setGeometry(box.box.left, box.box.top, box.box.Width(), box.box.Height());
        }
        QEventLoop loop;
        AfterFirstPaint quit(host.window(), [&loop](QWidget*) { loop.quit(); });
        bare.installEventFilter(&quit);
        bare.show();
        loop.exec();
    };
    const auto bareList = [&] {
        QListWidget list(host.window());
        for (int i = 0; i < 14; ++i) {
            list.addItem(QStringLiteral("Right Click"));
        }
        const Rect zone = kKeyListZones[0][3];
        list.setGeometry(zone.left, zone.top, zone.Width(), zone.Height());
        list.show();
        list.repaint();
    };

    const std::vector<Figures> f =
        Measure({
                    [&] {
                        onSave = !onSave;
                        dlg.OnMouseHover(onSave ? Point{kSaveButton.left + 5, kSaveButton.top + 5}
                                                : Point{kExitButton.left + 5, kExitButton.top + 5});
                    },
                    [&] {
                        dlg.setCurrentPage(kNoPage);
                        dlg.ShowKeyPage();
                    },
                    [&] { host.RepaintFromBackBuffer(); },
                    [&] {
                        decode(onSave ? kImageSaveOver : kImageExitOver);
                        decode(onSave ? kImageExitNormal : kImageSaveNormal);
                    },
                    [&] { decode(kImageKeySet); },
                    {toggleList,
                     [&] {
                         if (dlg.keyListOpen(0, 3)) {
                             toggleList();
                         }
                     }},
                    bareList,
                },
                rounds);
    const Figures hover = f[0], keyPage = f[1], copy = f[2], decodeTwo = f[3], decodeKeySet = f[4],
                  listOpen = f[5], bare = f[6];

    // The dialog opens over the key list it was chosen from.
    if (!dlg.keyListOpen(0, 3)) {
        toggleList();
    }
    const int dialogRounds = std::max(10, rounds / 2);
    const std::vector<Figures> d = Measure({openFireKey, bareDialog}, dialogRounds);
    const Figures floorHover = copy + decodeTwo;
    const Figures floorKeyPage = copy + decodeKeySet;

    std::printf(
        "The Linux window with Qt on X, %d rounds (dialogs %d), target x%.1f of each "
        "floor\n",
        rounds, dialogRounds, kTarget);
    Print("floor: one copy of the window to the screen", copy, nullptr);
    Print("floor: decode the hover's two PNGs", decodeTwo, nullptr);
    Print("floor: decode KeySet.png", decodeKeySet, nullptr);
    Print("floor: bare list of 14 created and painted", bare, nullptr);
    Print("floor: dialog's 3 PNGs + bare window, 3 edits", d[1], nullptr);
    Print("hover change (Save <-> Exit)", hover, &floorHover);
    Print("key page full draw", keyPage, &floorKeyPage);
    Print("opening a key list", listOpen, &copy);
    Print("  beside a bare list of 14", listOpen, &bare);
    Print("opening the fire key dialog to its first paint", d[0], &d[1]);
    return 0;
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    const corvane::e2e::BenchSession session(100);
    if (!session.ready()) {
        return 1;
    }
    const int rounds = argc > 1 ? std::max(10, std::atoi(argv[1])) : corvane::kDefaultRounds;
    QApplication app(argc, argv);
    return corvane::Run(rounds);
}
