#include "app/shell.h"

#include "app/fonts.h"
#include "app/notice_table.h"
#include "ui/main/function_labels.h"
#include "ui/skin/skin_dir.h"

namespace corvane {
namespace {

std::uint8_t UiLanguageOf(std::uint16_t languageId) {
    return languageId == kLangSimplifiedChinese ? kUiLanguageSimplifiedChinese : kUiLanguageOther;
}

// The wait cursor while a full read or write keeps the one thread busy
// (about 140 ms for a write at full speed, seconds on a slow device).
class WaitCursor {
  public:
    explicit WaitCursor(ShellHost& host) : host_(host) { host_.BeginWaitCursor(); }
    ~WaitCursor() { host_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    ShellHost& host_;
};

}  // namespace

Shell::Shell(const ShellParts& parts)
    : state_(parts.state),
      host_(parts.host),
      window_(parts.window),
      link_(parts.link),
      files_(parts.files),
      facts_(parts.facts),
      messages_(parts.messages),
      texts_(parts.texts) {}

Initialisation Shell::Initialise() {
    if (host_.SingleInstanceMutexExisted()) {
        return Initialisation::SecondInstance;
    }
    host_.SetWindowIcons();
    host_.UseToolWindowStyle();
    const std::uint32_t versionWord = facts_.VersionWord();
    const std::uint16_t languageId = facts_.DefaultLanguageId();
    state_.uiLanguage = UiLanguageOf(languageId);
    host_.CreateFonts(FontsFor(languageId, versionWord));
    // The text table of the language was chosen with the window.
    host_.AddTrayIcon(kTrayTip);
    FindAndReadMouse();
    // Without notifications only plug-in and removal go unnoticed; stopping
    // here would leave a running window with no settings, labels or skin,
    // whose Save would write an all-zero record to the mouse.
    const bool notified = host_.RegisterForDeviceChanges();
    if (!notified) {
        messages_.Show(MessageKind::RegisterNotificationFailed, Caption::AppTitle);
    }
    if (files_.LoadConfig() == ConfigLoad::Missing) {
        messages_.Show(MessageKind::ConfigMissing, Caption::AppTitle);
    }
    state_.records.TakeBackup();
    LoadLabels();
    skinDir_ = SkinDir(facts_.ExecutablePath(), state_.uiLanguage);
    host_.LoadBackground(skinDir_ + std::wstring(kBackgroundImage));
    window_.ShowKeyPage();
    return notified ? Initialisation::Ready : Initialisation::NotificationFailed;
}

bool Shell::WriteMouse() {
    const WaitCursor busy(host_);
    return link_.WriteDevice();
}

void Shell::FindAndReadMouse() {
    if (link_.FindMouse()) {
        state_.devicePresent = 1;
        ReadMouse();
        return;
    }
    messages_.Show(MessageKind::NotDetected, Caption::Warning);
    state_.devicePresent = 0;
}

void Shell::ReadMouse() {
    const WaitCursor busy(host_);
    link_.ReadDevice();
}

void Shell::OnTrayCallback(std::uint64_t mouseMessage) {
    if (mouseMessage == kTrayLeftButtonUp || mouseMessage == kTrayLeftDoubleClick) {
        ShowFromTray();
    } else if (mouseMessage == kTrayRightButtonUp) {
        host_.ShowTrayMenu(texts_.textExit);
    }
}

void Shell::ShowFromTray() {
    if (state_.devicePresent == 0) {
        OnNotice(kNoticeNotDetected, 0);
        return;
    }
    if (window_.RefreshOnShow()) {
        window_.SetRefreshOnShow(false);
        RedrawCurrentPage();
    }
    // Once the user has asked for the window no late frame paint hides it.
    startHideCount_ = 0;
    host_.ShowInFront();
}

// Each page show returns at once when its page is current, so the current
// page is first set to another one and then to none to force the redraw
// from the restored settings.
void Shell::RedrawCurrentPage() {
    switch (window_.CurrentPage()) {
        case kKeyPage:
            window_.SetCurrentPage(kDpiPage);
            window_.PageLeave();
            LoadLabels();
            window_.SetCurrentPage(kNoPage);
            window_.ShowKeyPage();
            break;
        case kDpiPage:
            window_.SetCurrentPage(kKeyPage);
            window_.PageLeave();
            window_.SetCurrentPage(kNoPage);
            window_.ShowDpiPage();
            break;
        case kLedPage:
            window_.SetCurrentPage(kNoPage);
            window_.ShowLedPage();
            break;
        default:
            break;
    }
}

// Labels are stored per language, so a str.ini that is missing or was
// written under another language reads as empty labels while every button
// keeps its function. Each empty one becomes the label the key page would
// have built for that function; labels that hold text stay as read.
void Shell::LoadLabels() {
    KeyLabels& labels = window_.Labels();
    files_.LoadLabels(labels);
    FillEmptyLabels(labels, state_.records.working, texts_, facts_.DefaultLanguageId(),
                    state_.sensorType);
}

void Shell::OnNotice(std::uint64_t kind, std::int64_t value) {
    const std::optional<Notice> notice =
        NoticeFor(kind, value, texts_, state_.records.working, state_.sensorType);
    if (notice) {
        host_.ShowBalloon(notice->text, notice->title, notice->timeoutMs);
    }
}

void Shell::OnClose() {
    host_.Hide();
}

void Shell::OnDestroy() {
    link_.CloseHandles();
    host_.RemoveTrayIcon();
}

void Shell::EndProgram() {
    OnDestroy();
    host_.EndProcess(0);
}

void Shell::OnTaskbarCreated() {
    host_.AddTrayIcon(kTrayTip);
}

bool Shell::OnDeviceChange(std::uint32_t event, const BroadcastReader& readRecord) {
    const std::optional<DeviceEventKind> kind = MouseInterfaceEvent(event, readRecord);
    if (!kind || !counter_.Count()) {
        return true;
    }
    if (!link_.FindMouse()) {
        OnNotice(kNoticeNotDetected, 0);
        host_.Hide();
        state_.devicePresent = 0;
        return true;
    }
    if (*kind == DeviceEventKind::Arrival) {
        ReadMouse();
    }
    state_.devicePresent = 1;
    return true;
}

bool Shell::OnNonClientPaint() {
    if (startHideCount_ <= 0) {
        return false;
    }
    --startHideCount_;
    ++hidingPaints_;
    host_.Hide();
    return true;
}

void Shell::OnStartSettled() {
    if (startHideCount_ > 0) {
        host_.Hide();
    }
    startHideCount_ = 0;
}

std::wstring AppTitleOf(const std::wstring& executablePath) {
    const std::size_t slash = executablePath.find_last_of(L"\\/");
    std::wstring name =
        slash == std::wstring::npos ? executablePath : executablePath.substr(slash + 1);
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos && dot > 0) {
        name.resize(dot);
    }
    return name;
}

}  // namespace corvane
