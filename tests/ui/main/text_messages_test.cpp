#include "ui/main/text_messages.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/system_facts.h"
#include "ui/main/text_table.h"

namespace corvane {
namespace {

class RecordingSink final : public MessageBoxSink {
  public:
    std::vector<std::pair<std::wstring, std::wstring>> boxes;
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override {
        boxes.emplace_back(text, caption);
    }
};

class TextMessagesTest : public ::testing::Test {
  protected:
    RecordingSink sink;
    TextMessages english{TextTableFor(kLangEnglishUs), sink, L"Corvane1.0"};
};

TEST_F(TextMessagesTest, FixedTextsWithTheirNumbers) {
    english.Show(MessageKind::ConfigMissing, Caption::AppTitle);
    english.Show(MessageKind::ConfigWriteError, Caption::NullFp, 5);
    english.Show(MessageKind::CreateFileError, Caption::AppTitle, 32);
    english.Show(MessageKind::HookInstallError, Caption::None, 1428);
    english.Show(MessageKind::RegisterNotificationFailed, Caption::AppTitle);
    english.Show(MessageKind::LoadPngFailed, Caption::None);
    english.Show(MessageKind::DialogBackgroundFailed, Caption::SnipeDialogBackground);
    const std::vector<std::pair<std::wstring, std::wstring>> expected = {
        {L"Config file is not exist.", L"Corvane1.0"},
        {L"Error Code is: 5 \n", L"NULL ==fp "},
        {L"CreateFile Error Code:32", L"Corvane1.0"},
        {L"KeyboardHook_SingleDlgKey Install error code :1428\n", L""},
        {L"RegisterDeviceNotification failed!!!", L"Corvane1.0"},
        {L"LoadPng---Load image failed.", L""},
        {L"error", L"Snipe Dialog Load background image failed!!!"},
    };
    EXPECT_EQ(sink.boxes, expected);
}

TEST_F(TextMessagesTest, LanguageTextsFollowTheTable) {
    english.Show(MessageKind::NotDetected, Caption::ReadOperation);
    english.Show(MessageKind::LeftRequired, Caption::Warning);
    RecordingSink chinese;
    TextMessages traditional(TextTableFor(kLangTraditionalChinese), chinese, L"T");
    traditional.Show(MessageKind::NotDetected, Caption::WriteOperation);
    traditional.Show(MessageKind::LeftRequired, Caption::Warning);
    EXPECT_EQ(sink.boxes[0],
              std::make_pair(std::wstring(L"The system did not detect the gaming mouse!"),
                             std::wstring(L"ReadOperation")));
    EXPECT_EQ(sink.boxes[1], std::make_pair(std::wstring(L"Left key must be selected!"),
                                            std::wstring(L"Warning")));
    EXPECT_EQ(chinese.boxes[0].first, L"系統沒有檢測到遊戲滑鼠！");
    EXPECT_EQ(chinese.boxes[0].second, L"WriteOperation");
    EXPECT_EQ(chinese.boxes[1].first, L"左鍵功能必須選擇！");
}

TEST_F(TextMessagesTest, EveryDialogBackgroundCaption) {
    const std::pair<Caption, const wchar_t*> captions[] = {
        {Caption::FireKeyDialogBackground, L"FireKey Dialog Load background image failed!!!"},
        {Caption::HotKeyDialogBackground, L"HotKey Dialog Load background image failed!!!"},
        {Caption::KeysRecoverDialogBackground,
         L"KeysRecover Dialog Load background image failed!!!"},
        {Caption::MediaDialogBackground, L"Media Dialog Load background image failed!!!"},
        {Caption::SingleKeyDialogBackground, L"Single Key Dialog Load background image failed!!!"},
        {Caption::SnipeDialogBackground, L"Snipe Dialog Load background image failed!!!"},
        {Caption::WindowsDialogBackground, L"Windows Dialog Load background image failed!!!"},
    };
    for (const auto& [caption, text] : captions) {
        EXPECT_EQ(english.CaptionText(caption), text);
    }
}

TEST_F(TextMessagesTest, AccessRuleHintInEachLanguageUnderTheAppTitle) {
    english.Show(MessageKind::AccessRuleMissing, Caption::AppTitle);
    EXPECT_EQ(sink.boxes.back(),
              std::make_pair(std::wstring(L"Corvane cannot open the mouse: this user has no access "
                                          L"to it. Install 70-corvane.rules as the README's Linux "
                                          L"set-up says, then plug the mouse in again."),
                             std::wstring(L"Corvane1.0")));
    EXPECT_EQ(TextMessages(TextTableFor(kLangSimplifiedChinese), sink, L"T")
                  .TextOf(MessageKind::AccessRuleMissing, 0),
              L"Corvane 无法打开鼠标：当前用户没有访问权限。请按 README 的 Linux "
              L"设置说明安装 70-corvane.rules，然后重新插拔鼠标。");
    EXPECT_EQ(TextMessages(TextTableFor(kLangTraditionalChinese), sink, L"T")
                  .TextOf(MessageKind::AccessRuleMissing, 0),
              L"Corvane 無法開啟滑鼠：目前使用者沒有存取權限。請依 README 的 Linux "
              L"設定說明安裝 70-corvane.rules，然後重新插拔滑鼠。");
}

TEST_F(TextMessagesTest, NegativeAndLargeNumbersFormatInFull) {
    EXPECT_EQ(english.TextOf(MessageKind::ConfigWriteError, -1), L"Error Code is: -1 \n");
    EXPECT_EQ(english.TextOf(MessageKind::CreateFileError, 4294967295),
              L"CreateFile Error Code:4294967295");
    EXPECT_EQ(english.TextOf(MessageKind::CreateFileError, INT64_MIN),
              L"CreateFile Error Code:-9223372036854775808");
}

}  // namespace
}  // namespace corvane
