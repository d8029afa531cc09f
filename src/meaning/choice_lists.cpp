#include "meaning/choice_lists.h"

#include "core/table_lookup.h"

namespace corvane {
namespace {

// Entries 0-6 of the mouse's consumer table.
constexpr std::array<ChoiceEntry, kMediaChoiceCount> kMediaChoices = {{
    {{L"下一首", L"Next"}, 0},
    {{L"上一首", L"Previous"}, 1},
    {{L"停止", L"Stop"}, 2},
    {{L"播放/暂停", L"Play/Pause"}, 3},
    {{L"静音", L"Mute"}, 4},
    {{L"音量+", L"Vol+"}, 5},
    {{L"音量-", L"Vol-"}, 6},
}};

// Entries 7-15 of the consumer table, right after the media keys.
constexpr std::array<ChoiceEntry, kWindowsChoiceCount> kWindowsChoices = {{
    {{L"多媒体播放器", L"Multimedia Player"}, 7},
    {{L"邮件", L"Mail"}, 8},
    {{L"计算器", L"Calculator"}, 9},
    {{L"我的电脑", L"My Computer"}, 10},
    {{L"浏览器-搜索", L"Browser-Search"}, 11},
    {{L"浏览器-主页", L"Browser-Home"}, 12},
    {{L"浏览器-后退", L"Browser-Back"}, 13},
    {{L"浏览器-前进", L"Browser-Forward"}, 14},
    {{L"浏览器-刷新", L"Browser-Refresh"}, 15},
}};

// Entries 16-23 of the combined table: the mouse's hot key table.
constexpr std::array<ChoiceEntry, kHotKeyChoiceCount> kHotKeyChoices = {{
    {{L"复制", L"Copy"}, 16},
    {{L"剪切", L"Cut"}, 17},
    {{L"粘贴", L"Paste"}, 18},
    {{L"全选", L"Select all"}, 19},
    {{L"打开", L"Open"}, 20},
    {{L"新建", L"New"}, 21},
    {{L"保存", L"Save"}, 22},
    {{L"撤销", L"Undo"}, 23},
}};

// The mouse's five buttons, the letters, the digits, the six modifiers and
// the function keys. The right-hand modifiers skip 0xE3 (left Windows key).
constexpr std::array<FireKeyEntry, kFireKeyCount> kFireKeys = {{
    {L"L-Button", 0xF0},  {L"R-Button", 0xF1}, {L"M-Button", 0xF2}, {L"B4-Button", 0xF3},
    {L"B5-Button", 0xF4}, {L"A", 0x04},        {L"B", 0x05},        {L"C", 0x06},
    {L"D", 0x07},         {L"E", 0x08},        {L"F", 0x09},        {L"G", 0x0A},
    {L"H", 0x0B},         {L"I", 0x0C},        {L"J", 0x0D},        {L"K", 0x0E},
    {L"L", 0x0F},         {L"M", 0x10},        {L"N", 0x11},        {L"O", 0x12},
    {L"P", 0x13},         {L"Q", 0x14},        {L"R", 0x15},        {L"S", 0x16},
    {L"T", 0x17},         {L"U", 0x18},        {L"V", 0x19},        {L"W", 0x1A},
    {L"X", 0x1B},         {L"Y", 0x1C},        {L"Z", 0x1D},        {L"1", 0x1E},
    {L"2", 0x1F},         {L"3", 0x20},        {L"4", 0x21},        {L"5", 0x22},
    {L"6", 0x23},         {L"7", 0x24},        {L"8", 0x25},        {L"9", 0x26},
    {L"0", 0x27},         {L"L-CTRL", 0xE0},   {L"L-SHIFT", 0xE1},  {L"L-ALT", 0xE2},
    {L"R-CTRL", 0xE4},    {L"R-SHIFT", 0xE5},  {L"R-ALT", 0xE6},    {L"F1", 0x3A},
    {L"F2", 0x3B},        {L"F3", 0x3C},       {L"F4", 0x3D},       {L"F5", 0x3E},
    {L"F6", 0x3F},        {L"F7", 0x40},       {L"F8", 0x41},       {L"F9", 0x42},
    {L"F10", 0x43},       {L"F11", 0x44},      {L"F12", 0x45},
}};

// The snipe DPI is always sent as an enabled value.
constexpr std::uint8_t kSnipeEnabled = 1;

}  // namespace

std::span<const ChoiceEntry, kMediaChoiceCount> MediaChoices() {
    return kMediaChoices;
}

std::span<const ChoiceEntry, kWindowsChoiceCount> WindowsChoices() {
    return kWindowsChoices;
}

std::span<const ChoiceEntry, kHotKeyChoiceCount> HotKeyChoices() {
    return kHotKeyChoices;
}

std::span<const FireKeyEntry, kFireKeyCount> FireKeys() {
    return kFireKeys;
}

std::uint8_t FireKeyCodeOf(int keyIndex) {
    const FireKeyEntry* entry = EntryAt(FireKeys(), keyIndex);
    return entry ? entry->code : 0;
}

std::optional<int> FireKeyOfText(std::wstring_view text) {
    return IndexWhere(kFireKeys, [text](const FireKeyEntry& key) { return key.text == text; });
}

std::optional<int> FireKeyOfCode(std::uint8_t code) {
    return IndexWhere(kFireKeys, [code](const FireKeyEntry& key) { return key.code == code; });
}

std::optional<int> ChoiceOfText(std::span<const ChoiceEntry> list, std::wstring_view text) {
    return IndexWhere(list, [text](const ChoiceEntry& entry) {
        return entry.text.english == text || entry.text.chinese == text;
    });
}

std::span<const DpiChoice> SnipeChoicesOf(std::uint8_t sensorType) {
    return DpiChoicesOf(sensorType);
}

std::uint8_t SnipeDpiCodeOf(std::uint8_t sensorType, int index) {
    return DpiCode(sensorType, index, kSnipeEnabled);
}

}  // namespace corvane
