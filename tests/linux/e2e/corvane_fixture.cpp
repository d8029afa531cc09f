#include "corvane_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/text_encoding.h"
#include "settings/ini_store.h"
#include "ui/main/main_layout.h"

namespace corvane::e2e {
namespace {

constexpr int kExitMs = 15000;
constexpr char kBoxPrefix[] = "corvane: ";

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
}

bool Inside(const std::vector<Rect>& rects, int x, int y) {
    return std::any_of(rects.begin(), rects.end(), [&](const Rect& r) {
        return r.Contains(Point{x, y});
    });
}

ino_t InodeOf(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

std::string Describe(const Desktop& desktop) {
    std::string text;
    for (WindowId window : desktop.WindowsOf(kClass)) {
        const std::optional<Geometry> at = desktop.GeometryOf(window);
        text += std::to_string(window) + " '" + desktop.NameOf(window) + "' " +
                (at ? std::to_string(at->width) + "x" + std::to_string(at->height) : "?") + "; ";
    }
    return text;
}

}  // namespace

int DifferingPixels(const QImage& shown, const QImage& expected,
                    const std::vector<Rect>& excluded) {
    if (shown.size() != expected.size()) {
        return expected.width() * expected.height();
    }
    const QImage a = shown.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (qRgb(qRed(rowA[x]), qGreen(rowA[x]), qBlue(rowA[x])) !=
                    qRgb(qRed(rowB[x]), qGreen(rowB[x]), qBlue(rowB[x])) &&
                !Inside(excluded, x, y)) {
                ++differing;
            }
        }
    }
    return differing;
}

double EqualShareInside(const QImage& shown, const QImage& expected,
                        const std::vector<Rect>& rects) {
    const QImage a = shown.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    int inside = 0;
    int equal = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            if (Inside(rects, x, y)) {
                ++inside;
                equal += (a.pixel(x, y) & 0xFFFFFF) == (b.pixel(x, y) & 0xFFFFFF);
            }
        }
    }
    return inside == 0 ? 1.0 : static_cast<double>(equal) / inside;
}

QImage DialogClient(const QImage& capture) {
    return capture.copy(kDialogBorder, kDialogBorder, capture.width() - 2 * kDialogBorder,
                        capture.height() - 2 * kDialogBorder);
}

Point CentreOf(const Rect& r) {
    return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

CorvaneTest::CorvaneTest() : desktop(EnvironmentWith({{"DISPLAY", TestDisplay()}})) {
    char name[] = "/tmp/corvane-e2e-XXXXXX";
    work_ = mkdtemp(name) != nullptr ? std::filesystem::path(name) : std::filesystem::path();
    std::filesystem::create_directories(work_ / "runtime");
    std::filesystem::permissions(work_ / "runtime", std::filesystem::perms::owner_all);
}

CorvaneTest::~CorvaneTest() {
    program.reset();
    std::error_code ignored;
    std::filesystem::remove_all(work_, ignored);
}

std::vector<std::string> CorvaneTest::ProgramEnvironment(const std::string& locale) const {
    // LeakSanitizer finds a leak inside libdbus under xcb: no session bus.
    return EnvironmentWith({
        {"DISPLAY", TestDisplay()},
        {"LANG", locale.empty() ? std::nullopt : std::optional(locale)},
        {"LC_ALL", std::nullopt},
        {"LC_MESSAGES", std::nullopt},
        {"XDG_CONFIG_HOME", (work_ / "config").string()},
        {"XDG_RUNTIME_DIR", (work_ / "runtime").string()},
        {"DBUS_SESSION_BUS_ADDRESS", "disabled:"},
        {"QT_QPA_PLATFORM", std::nullopt},
    });
}

void CorvaneTest::Launch(const std::string& locale, std::vector<std::string> arguments,
                         const std::filesystem::path& binary) {
    if (arguments.empty()) {
        arguments.push_back("--simulate=" + MemoryFile().string());
    }
    arguments.insert(arguments.begin(), binary.string());
    program = std::make_unique<Process>(arguments, ProgramEnvironment(locale), work_ / "out.txt",
                                        work_ / "err.txt");
}

// The pointer rests outside the window, as the Windows screenshots have it.
std::optional<WindowId> CorvaneTest::Start(const std::string& locale) {
    desktop.MoveToScreen(1270, 1020);
    Launch(locale);
    const std::optional<WindowId> window = MainWindow();
    if (!window) {
        ADD_FAILURE() << "no window; running " << program->Running() << "; log: " << Log()
                      << "; windows: " << Describe(desktop);
    }
    return window;
}

std::optional<WindowId> CorvaneTest::MainWindow(int timeoutMs) const {
    return desktop.WaitForWindow(kClass, kClientWidth, kClientHeight, timeoutMs);
}

std::optional<WindowId> CorvaneTest::WaitForDialog(int width, int height) const {
    return desktop.WaitForWindow(kClass, width + 2 * kDialogBorder, height + 2 * kDialogBorder,
                                 kWaitMs);
}

bool CorvaneTest::WaitUntilDialogClosed(WindowId dialog) const {
    return WaitUntil(
        [&] {
            const std::vector<WindowId> shown = desktop.WindowsOf(kClass);
            return std::find(shown.begin(), shown.end(), dialog) == shown.end();
        },
        kWaitMs);
}

std::string CorvaneTest::Log() const {
    std::ifstream in(work_ / "err.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> CorvaneTest::Boxes() const {
    std::istringstream lines(Log());
    std::vector<std::string> boxes;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(kBoxPrefix, 0) == 0) {
            boxes.push_back(line.substr(std::string(kBoxPrefix).size()));
        }
    }
    return boxes;
}

// A box is the one window of the program that is neither the main window
// nor of a dialog's size; it is logged before it shows.
bool CorvaneTest::DismissBoxes(int boxes) const {
    const auto boxShown = [&] {
        for (WindowId window : desktop.WindowsOf(kClass)) {
            const std::optional<Geometry> at = desktop.GeometryOf(window);
            if (at && at->width != kClientWidth && at->width != 400 + 2 * kDialogBorder &&
                at->width != 300 + 2 * kDialogBorder) {
                return std::optional<WindowId>(window);
            }
        }
        return std::optional<WindowId>();
    };
    for (int n = 0; n < boxes; ++n) {
        std::optional<WindowId> box;
        if (!WaitUntil([&] { return (box = boxShown()).has_value(); }, kWaitMs) ||
            !desktop.Keys({"Return"}) ||
            !WaitUntil(
                [&] {
                    const std::vector<WindowId> shown = desktop.WindowsOf(kClass);
                    return std::find(shown.begin(), shown.end(), *box) == shown.end();
                },
                kWaitMs)) {
            return false;
        }
    }
    return true;
}

QImage CorvaneTest::CaptureShowing(WindowId window, const QImage& expected,
                                   const std::vector<Rect>& excluded) const {
    QImage shown;
    WaitUntil(
        [&] {
            shown = desktop.Capture(window);
            if (shown.size() != expected.size()) {
                shown = DialogClient(shown);
            }
            return DifferingPixels(shown, expected, excluded) == 0;
        },
        kWaitMs);
    return shown;
}

void CorvaneTest::Keep(const QImage& image, const std::string& name) {
    std::filesystem::create_directories(CORVANE_E2E_SCREENSHOTS);
    image.save(QString::fromStdString(
        (std::filesystem::path(CORVANE_E2E_SCREENSHOTS) / (name + ".png")).string()));
}

QImage CorvaneTest::WindowsScreenshot(const std::string& name) {
    return QImage(QString::fromStdString((kWindowsScreenshots / (name + ".png")).string()))
        .convertToFormat(QImage::Format_RGB32);
}

std::vector<Rect> CorvaneTest::KeyBoxes() {
    std::vector<Rect> boxes;
    for (const auto& layer : kKeyBoxes) {
        boxes.insert(boxes.end(), std::begin(layer), std::end(layer));
    }
    return boxes;
}

// The list's rows are 16 pixels high below its one-pixel border. The page
// must be showing already.
void CorvaneTest::ChooseInKeyList(WindowId window, int layer, int button, int item) const {
    const Point box = CentreOf(kKeyBoxes[layer][button]);
    const Rect zone = kKeyListZones[layer][button];
    const int x = (zone.left + zone.right) / 2;
    const int y = zone.top + 1 + 16 * item + 8;
    const auto zoneOf = [&](const QImage& image) {
        return image.copy(zone.left, zone.top, zone.Width(), zone.Height());
    };
    const QImage before = zoneOf(desktop.Capture(window));
    ASSERT_TRUE(desktop.Click(window, box.x, box.y));
    ASSERT_TRUE(WaitUntil([&] { return zoneOf(desktop.Capture(window)) != before; }, kWaitMs))
        << "the list opens";
    ASSERT_TRUE(desktop.Click(window, x, y));
}

bool CorvaneTest::Save(WindowId window) {
    const std::filesystem::path config = SettingsFolder() / "config.bin";
    const ino_t before = InodeOf(config);
    const Point save = CentreOf(kSaveButton);
    return desktop.Click(window, save.x, save.y) &&
           WaitUntil([&] { return InodeOf(config) != before; }, kWaitMs);
}

std::optional<SettingsRecord> CorvaneTest::StoredRecord() const {
    const auto contents = ParseConfigFile(ReadBytes(SettingsFolder() / "config.bin"));
    return contents ? std::optional<SettingsRecord>(contents->record) : std::nullopt;
}

std::vector<std::uint8_t> CorvaneTest::ConfigBytes() const {
    return ReadBytes(SettingsFolder() / "config.bin");
}

std::vector<std::uint8_t> CorvaneTest::Memory() const {
    return ReadBytes(MemoryFile());
}

std::wstring CorvaneTest::Label(const std::wstring& section, const std::wstring& key) const {
    return MakePlatformIniStore()->Read(FromUtf8((SettingsFolder() / "str.ini").string()), section,
                                        key, L"", 256);
}

std::optional<int> CorvaneTest::Close(WindowId window) {
    const Point close = CentreOf(kCloseButton);
    if (!desktop.Click(window, close.x, close.y)) {
        return std::nullopt;
    }
    return program->WaitForExit(kExitMs);
}

}  // namespace corvane::e2e
