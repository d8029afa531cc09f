#include "ui/main/text_table.h"

#include "core/system_facts.h"

namespace corvane {
namespace {

constexpr TextTable kSimplifiedChinese{
    {L"左键", L"右键", L"中键", L"前进方向键", L"后退方向键", L"DPI切换", L"Windows", L"多媒体",
     L"快捷键", L"火力键", L"单键", L"狙击", L"按键关闭", L"Shift"},
    L"左键功能必须选择！",
    L"报告率切换到1000HZ",
    L"报告率切换到500HZ",
    L"报告率切换到250HZ",
    L"报告率切换到125HZ",
    L"DPI切换到第一段",
    L"DPI切换到第二段",
    L"DPI切换到第三段",
    L"DPI切换到第四段",
    L"切换到按键组1",
    L"切换到按键组2",
    L"切换到宏",
    L"退出",
    L"系统没有检测到游戏鼠标！",
    L"系统检测到游戏鼠标。",
    L"Setting-CHS",
    L"Corvane 无法打开鼠标：当前用户没有访问权限。请按 README 的 Linux 设置说明安装 "
    L"70-corvane.rules，然后重新插拔鼠标。",
};

constexpr TextTable kTraditionalChinese{
    {L"左鍵", L"右鍵", L"中鍵", L"前進方向鍵", L"後退方向鍵", L"DPI切換", L"Windows", L"多媒體",
     L"快速鍵", L"火力鍵", L"單鍵", L"狙擊", L"按鍵關閉", L"Shift"},
    L"左鍵功能必須選擇！",
    L"報告率切換到1000HZ",
    L"報告率切換到500HZ",
    L"報告率切換到250HZ",
    L"報告率切換到125HZ",
    L"DPI切換到第一段",
    L"DPI切換到第二段",
    L"DPI切換到第三段",
    L"DPI切換到第四段",
    L"切換到按鍵群組1",
    L"切換到按鍵群組2",
    L"切換到巨集",
    L"退出",
    L"系統沒有檢測到遊戲滑鼠！",
    L"系統檢測到遊戲滑鼠。",
    L"Setting-CHT",
    L"Corvane 無法開啟滑鼠：目前使用者沒有存取權限。請依 README 的 Linux 設定說明安裝 "
    L"70-corvane.rules，然後重新插拔滑鼠。",
};

constexpr TextTable kEnglish{
    {L"Left Click", L"Right Click", L"Mid Click", L"Forward", L"Backward", L"DPI Switch",
     L"Windows", L"Multimedia", L"HotKey", L"Fire Key", L"Single Key", L"Snipe Key", L"Key Off",
     L"Shift"},
    L"Left key must be selected!",
    L"Switch report rate into 1000HZ",
    L"Switch report rate into 500HZ",
    L"Switch report rate into 250HZ",
    L"Switch report rate into 125HZ",
    // The DPI value text follows these directly; the trailing space parts them.
    L"Switch DPI into the first stage ",
    L"Switch DPI into the second stage ",
    L"Switch DPI into the third stage ",
    L"Switch DPI into the fourth stage ",
    L"Switch to key matrix 1",
    L"Switch to key matrix 2",
    L"Switch to macro key",
    L"Exit",
    L"The system did not detect the gaming mouse!",
    L"The system detect the gaming mouse.",
    L"Setting-EN",
    L"Corvane cannot open the mouse: this user has no access to it. Install 70-corvane.rules "
    L"as the README's Linux set-up says, then plug the mouse in again.",
};

}  // namespace

const TextTable& TextTableFor(std::uint16_t languageId) {
    if (languageId == kLangSimplifiedChinese) {
        return kSimplifiedChinese;
    }
    if (languageId == kLangTraditionalChinese) {
        return kTraditionalChinese;
    }
    return kEnglish;
}

}  // namespace corvane
