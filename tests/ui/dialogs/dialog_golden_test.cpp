// What the written description of the dialogs gives, typed here by hand
// rather than taken from the code's tables, and checked where the dialogs
// use it: the Windows function dialog's list rectangle, and the caption of
// the box each dialog shows when its background is missing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/language.h"
#include "support/rect_probes.h"
#include "ui/dialogs/dialog_fixture.h"
#include "ui/main/text_messages.h"
#include "ui/main/text_table.h"

namespace corvane::testing {
namespace {

TEST_F(DialogTest, TheWindowsDialogsListOpensOnItsRectangleAndClosesOutsideIt) {
    const Rect box{49, 112, 177, 141};
    const Rect list{49, 143, 177, 293};
    Open(DialogKind::Windows);
    dialog->OnLButtonDown({box.right - 1, box.bottom - 1});
    EXPECT_THAT(host.calls, ::testing::ElementsAre("create 533 49,143,177,293 9"));

    const auto open = [&] {
        if (!host.ListExists(533)) {
            dialog->OnLButtonDown({box.left, box.top});
        }
        ASSERT_TRUE(host.ListExists(533));
    };
    for (const Point p : CornersInside(list)) {
        open();
        dialog->OnLButtonDown(p);
        EXPECT_TRUE(host.ListExists(533)) << p.x << "," << p.y;
    }
    for (const Point p : JustOutside(list)) {
        open();
        dialog->OnLButtonDown(p);
        EXPECT_FALSE(host.ListExists(533)) << p.x << "," << p.y;
    }
}

class RecordingBoxes final : public MessageBoxSink {
  public:
    std::vector<std::pair<std::wstring, std::wstring>> boxes;
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override {
        boxes.emplace_back(text, caption);
    }
};

TEST(DialogGoldenTest, EachDialogNamesItselfInTheBoxOfAMissingBackground) {
    const std::pair<DialogKind, const wchar_t*> captions[] = {
        {DialogKind::FireKey, L"FireKey Dialog Load background image failed!!!"},
        {DialogKind::HotKey, L"HotKey Dialog Load background image failed!!!"},
        {DialogKind::KeysRecover, L"KeysRecover Dialog Load background image failed!!!"},
        {DialogKind::Media, L"Media Dialog Load background image failed!!!"},
        {DialogKind::SingleKey, L"Single Key Dialog Load background image failed!!!"},
        {DialogKind::Snipe, L"Snipe Dialog Load background image failed!!!"},
        {DialogKind::Windows, L"Windows Dialog Load background image failed!!!"},
    };
    for (const auto& [kind, caption] : captions) {
        FakeDialogHost host;
        host.backgroundLoads = false;
        RecordingBoxes sink;
        TextMessages messages(TextTableFor(kLangEnglishUs), sink, L"Corvane1.0");
        DialogFlagsOfRun flags;
        const auto dialog = MakeDialog(kind, DialogParts{host, messages, flags, 0x0106},
                                       DialogInputs{0, kLangEnglishUs});
        dialog->OnInitDialog();
        const std::vector<std::pair<std::wstring, std::wstring>> expected = {{L"error", caption}};
        EXPECT_EQ(sink.boxes, expected) << static_cast<int>(kind);
    }
}

}  // namespace
}  // namespace corvane::testing
