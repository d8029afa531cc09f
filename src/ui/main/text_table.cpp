#include "ui/main/text_table.h"

#include <array>

namespace corvane {

const TextTable& TextTableFor(std::uint16_t languageId) {
    // Built on first use from the shared texts, which are constant data;
    // indexed by InterfaceLanguage.
    static const std::array<TextTable, kInterfaceLanguageCount> kTextTables = {{
        {
            LanguageTextsOf(InterfaceLanguage::SimplifiedChinese),
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
            L"系统检测到游戏鼠标。",
        },
        {
            LanguageTextsOf(InterfaceLanguage::TraditionalChinese),
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
            L"系統檢測到遊戲滑鼠。",
        },
        {
            LanguageTextsOf(InterfaceLanguage::English),
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
            L"The system detect the gaming mouse.",
        },
    }};
    return kTextTables[static_cast<std::size_t>(InterfaceLanguageOf(languageId))];
}

}  // namespace corvane
