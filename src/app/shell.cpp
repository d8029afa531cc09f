#include "app/shell.h"

#include "app/notice_table.h"
#include "meaning/factory_settings.h"
#include "ui/main/main_layout.h"
#include "ui/main/window_fonts.h"
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

StartImages StartImagesOf(const std::wstring& skinFolder, std::uint16_t languageId) {
    const std::wstring skinDir = SkinDir(skinFolder, UiLanguageOf(languageId));
    return {SkinImagePath(skinDir, kBackgroundImage), SkinImagePath(skinDir, kImageKeySet)};
}

Shell::Shell(const ShellParts& parts)
    : state_(parts.state),
      host_(parts.host),
      windowHost_(parts.windowHost),
      window_(parts.window),
      link_(parts.link),
      files_(parts.files),
      facts_(parts.facts),
      messages_(parts.messages),
      texts_(parts.texts),
      skinFolder_(parts.skinFolder) {}

Initialisation Shell::Initialise() {
    if (host_.SingleInstanceMutexExisted()) {
        return Initialisation::SecondInstance;
    }
    host_.SetWindowIcons();
    host_.UseToolWindowStyle();
    const std::uint32_t versionWord = facts_.VersionWord();
    const std::uint16_t languageId = facts_.DefaultLanguageId();
    uiLanguage_ = UiLanguageOf(languageId);
    skinDir_ = SkinDir(skinFolder_, uiLanguage_);
    windowHost_.SetUp(
        WindowSetup{skinDir_, FontsFor(languageId, versionWord), versionWord, messages_});
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
    if (files_.LoadConfig(FactorySettingsRecord()) == ConfigLoad::Missing) {
        messages_.Show(MessageKind::ConfigMissing, Caption::AppTitle);
    }
    state_.records.TakeBackup();
    window_.LoadLabels();
    windowHost_.LoadBackground(kBackgroundImage);
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

void Shell::OnTrayClick() {
    if (state_.devicePresent == 0) {
        OnNotice(kNoticeNotDetected, 0);
        return;
    }
    ShowWindow();
}

void Shell::ShowWindow() {
    if (window_.refreshOnShow()) {
        window_.setRefreshOnShow(false);
        window_.RedrawCurrentPage();
    }
    // Once the user has asked for the window no late frame paint hides it.
    startHideCount_ = 0;
    host_.ShowInFront();
}

void Shell::OnTrayMenuRequest() {
    host_.ShowTrayMenu(texts_.textExit);
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

void Shell::OnMouseArrived() {
    Rediscover(true);
}

void Shell::OnMouseRemoved() {
    Rediscover(false);
}

// Arrivals and removals run the same discovery; only an arrival reads the
// mouse. A removal that still finds it keeps the image of the last read,
// which stays writable only at the same path (MouseLink::FindMouse).
void Shell::Rediscover(bool arrival) {
    if (!link_.FindMouse()) {
        OnNotice(kNoticeNotDetected, 0);
        host_.Hide();
        state_.devicePresent = 0;
        return;
    }
    if (arrival) {
        ReadMouse();
    }
    state_.devicePresent = 1;
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
