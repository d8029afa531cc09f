// The two byte blocks everything the tool configures lives in: the
// SettingsRecord the user edits (stored raw in config.bin) and the
// DeviceImage that mirrors the mouse's configuration memory. Both layouts
// are binding file and device formats, so every field sits at a fixed,
// compile-time checked offset.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace corvane {

inline constexpr int kLayerCount = 2;   // layer 0 normal, layer 1 shift
inline constexpr int kButtonSlots = 8;  // buttons 0-7 are stored
inline constexpr int kRealButtons = 6;  // buttons 0-5 exist on the mouse
inline constexpr int kDpiStages = 3;    // stages sent to the mouse

// The function of one button; its value is also the entry's position in the
// key page's function list.
enum class ButtonFunction : std::uint8_t {
    LeftClick = 0,
    RightClick = 1,
    MidClick = 2,
    Forward = 3,
    Backward = 4,
    DpiSwitch = 5,
    WindowsFunction = 6,
    Multimedia = 7,
    HotKey = 8,
    FireKey = 9,
    SingleKey = 10,
    SnipeKey = 11,
    KeyOff = 12,
    Shift = 13,
};
inline constexpr int kButtonFunctionCount = 14;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// A per-layer, per-button byte array; [layer][button].
using LayerButtonBytes = std::uint8_t[kLayerCount][kButtonSlots];

struct SettingsRecord {
    std::uint8_t reserved00[5];
    std::uint8_t reportRate;  // 1 = 1000 Hz, 2 = 500 Hz, 4 = 250 Hz, 8 = 125 Hz
    std::uint8_t reserved06;
    std::uint8_t dpiLevel[4];  // index into the sensor's DPI list, stages 1-4
    std::uint8_t dpiStageOn[kDpiStages];
    std::uint8_t reserved0E;
    Rgb ledColour[4];
    std::uint8_t ledMode;
    std::uint8_t ledParamA;  // used in lighting mode 1
    std::uint8_t ledParamB;  // used in lighting mode 2
    std::uint8_t reserved1E;
    std::uint8_t leftRuleLayer;
    std::uint8_t fireMakeTime;
    std::uint8_t fireBreakTime;
    std::uint8_t snipeDpiCode;
    LayerButtonBytes buttonFunction;
    LayerButtonBytes mediaChoice;
    LayerButtonBytes windowsChoice;
    LayerButtonBytes hotKeyChoice;
    LayerButtonBytes singleKeyCode;
    LayerButtonBytes snipeChoice;
    LayerButtonBytes fireKeyChoice;
    LayerButtonBytes fireKeyCode;
    LayerButtonBytes fireCount;

    std::span<std::uint8_t, 179> bytes() {
        return std::span<std::uint8_t, 179>(reinterpret_cast<std::uint8_t*>(this), 179);
    }
    std::span<const std::uint8_t, 179> bytes() const {
        return std::span<const std::uint8_t, 179>(reinterpret_cast<const std::uint8_t*>(this), 179);
    }
};

inline constexpr std::size_t kSettingsRecordSize = 179;
static_assert(sizeof(SettingsRecord) == kSettingsRecordSize);
static_assert(offsetof(SettingsRecord, reportRate) == 0x05);
static_assert(offsetof(SettingsRecord, dpiLevel) == 0x07);
static_assert(offsetof(SettingsRecord, dpiStageOn) == 0x0B);
static_assert(offsetof(SettingsRecord, ledColour) == 0x0F);
static_assert(offsetof(SettingsRecord, ledMode) == 0x1B);
static_assert(offsetof(SettingsRecord, ledParamA) == 0x1C);
static_assert(offsetof(SettingsRecord, ledParamB) == 0x1D);
static_assert(offsetof(SettingsRecord, leftRuleLayer) == 0x1F);
static_assert(offsetof(SettingsRecord, fireMakeTime) == 0x20);
static_assert(offsetof(SettingsRecord, fireBreakTime) == 0x21);
static_assert(offsetof(SettingsRecord, snipeDpiCode) == 0x22);
static_assert(offsetof(SettingsRecord, buttonFunction) == 0x23);
static_assert(offsetof(SettingsRecord, mediaChoice) == 0x33);
static_assert(offsetof(SettingsRecord, windowsChoice) == 0x43);
static_assert(offsetof(SettingsRecord, hotKeyChoice) == 0x53);
static_assert(offsetof(SettingsRecord, singleKeyCode) == 0x63);
static_assert(offsetof(SettingsRecord, snipeChoice) == 0x73);
static_assert(offsetof(SettingsRecord, fireKeyChoice) == 0x83);
static_assert(offsetof(SettingsRecord, fireKeyCode) == 0x93);
static_assert(offsetof(SettingsRecord, fireCount) == 0xA3);

// The two bytes the mouse stores per button slot.
struct ButtonEntry {
    std::uint8_t code;
    std::uint8_t entryClass;
    friend bool operator==(const ButtonEntry&, const ButtonEntry&) = default;
};
static_assert(sizeof(ButtonEntry) == 2);

// Entry classes and fixed codes of the button table.
inline constexpr std::uint8_t kClassPlain = 0;          // mouse button or keyboard key
inline constexpr std::uint8_t kClassCombinedTable = 2;  // consumer (0-15) or hot key (16-23)
inline constexpr std::uint8_t kClassSpecial = 3;        // DPI switch, snipe, layer shift
inline constexpr std::uint8_t kClassFireBit = 0x80;     // fire key: 0x80 + repeat count

// A 16-bit little-endian value as it lies in the device memory.
struct LeU16 {
    std::uint8_t low;
    std::uint8_t high;
};
static_assert(sizeof(LeU16) == 2);
constexpr std::uint16_t FromLeU16(LeU16 v) {
    return static_cast<std::uint16_t>(v.low | (v.high << 8));
}
constexpr LeU16 ToLeU16(std::uint16_t v) {
    return LeU16{static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)};
}

struct HotKeyEntry {
    std::uint8_t modifier;  // HID keyboard usage of the modifier
    std::uint8_t key;       // HID keyboard usage of the key
    friend bool operator==(const HotKeyEntry&, const HotKeyEntry&) = default;
};
static_assert(sizeof(HotKeyEntry) == 2);

inline constexpr std::size_t kPageSize = 64;
inline constexpr int kPageCount = 5;

struct DevicePage3 {
    ButtonEntry buttonTable0[kButtonSlots];  // layer 0, entry i at offset 2*i
    std::uint8_t reserved16[16];
    ButtonEntry buttonTable1[kButtonSlots];  // layer 1
    std::uint8_t reserved48[16];
};
static_assert(sizeof(DevicePage3) == kPageSize);
static_assert(offsetof(DevicePage3, buttonTable1) == 32);

struct DevicePage4 {
    std::uint8_t reserved0;
    std::uint8_t sensorType;
    std::uint8_t reserved2[4];
    std::uint8_t enabledStageCount;
    std::uint8_t reserved7[3];
    std::uint8_t ledMode;
    std::uint8_t ledParam;
    std::uint8_t reserved12[2];
    std::uint8_t fireMakeTime;
    std::uint8_t fireBreakTime;
    std::uint8_t reserved16[7];
    std::uint8_t snipeDpiCode;
    std::uint8_t dpiCode[kDpiStages];
    std::uint8_t reserved27[5];
    LeU16 consumerTable[16];
};
static_assert(sizeof(DevicePage4) == kPageSize);
static_assert(offsetof(DevicePage4, sensorType) == 1);
static_assert(offsetof(DevicePage4, enabledStageCount) == 6);
static_assert(offsetof(DevicePage4, ledMode) == 10);
static_assert(offsetof(DevicePage4, ledParam) == 11);
static_assert(offsetof(DevicePage4, fireMakeTime) == 14);
static_assert(offsetof(DevicePage4, fireBreakTime) == 15);
static_assert(offsetof(DevicePage4, snipeDpiCode) == 23);
static_assert(offsetof(DevicePage4, dpiCode) == 24);
static_assert(offsetof(DevicePage4, consumerTable) == 32);

struct DevicePage5 {
    std::uint8_t reserved0[48];
    HotKeyEntry hotKeyTable[8];
};
static_assert(sizeof(DevicePage5) == kPageSize);
static_assert(offsetof(DevicePage5, hotKeyTable) == 48);

struct DeviceImage {
    std::uint8_t reportRate;
    std::uint8_t dpiStage;
    std::uint8_t page1[kPageSize];
    std::uint8_t page2[kPageSize];
    DevicePage3 page3;
    DevicePage4 page4;
    DevicePage5 page5;

    std::span<std::uint8_t, 322> bytes() {
        return std::span<std::uint8_t, 322>(reinterpret_cast<std::uint8_t*>(this), 322);
    }
    std::span<const std::uint8_t, 322> bytes() const {
        return std::span<const std::uint8_t, 322>(reinterpret_cast<const std::uint8_t*>(this), 322);
    }
    // Page p (1-5) as the 64 bytes that cross the wire.
    std::span<std::uint8_t, kPageSize> page(int p) {
        return std::span<std::uint8_t, kPageSize>(bytes().data() + PageOffset(p), kPageSize);
    }
    std::span<const std::uint8_t, kPageSize> page(int p) const {
        return std::span<const std::uint8_t, kPageSize>(bytes().data() + PageOffset(p), kPageSize);
    }
    // Image byte of page p (1-5), byte 0.
    static constexpr std::size_t PageOffset(int p) { return 2 + kPageSize * (p - 1); }
};

inline constexpr std::size_t kDeviceImageSize = 322;
static_assert(sizeof(DeviceImage) == kDeviceImageSize);
static_assert(offsetof(DeviceImage, page1) == DeviceImage::PageOffset(1));
static_assert(offsetof(DeviceImage, page3) == DeviceImage::PageOffset(3));
static_assert(offsetof(DeviceImage, page3) + offsetof(DevicePage3, buttonTable1) == 162);
static_assert(offsetof(DeviceImage, page4) + offsetof(DevicePage4, sensorType) == 195);
static_assert(offsetof(DeviceImage, page4) + offsetof(DevicePage4, enabledStageCount) == 200);
static_assert(offsetof(DeviceImage, page4) + offsetof(DevicePage4, dpiCode) == 218);
static_assert(offsetof(DeviceImage, page4) + offsetof(DevicePage4, consumerTable) == 226);
static_assert(offsetof(DeviceImage, page5) + offsetof(DevicePage5, hotKeyTable) == 306);

// The device slot of button b: buttons 3 and 4 swap places, buttons 6 and 7
// are never written by the tool.
constexpr std::optional<int> DeviceSlotOf(int button) {
    constexpr int kSlots[kRealButtons] = {0, 1, 2, 4, 3, 5};
    if (button < 0 || button >= kRealButtons) {
        return std::nullopt;
    }
    return kSlots[button];
}

// The working copy (edited by pages and dialogs) and the backup copy (the
// last applied or loaded state).
struct SettingsRecords {
    SettingsRecord working{};
    SettingsRecord backup{};
    void RestoreBackup() { working = backup; }
    void TakeBackup() { backup = working; }
};

}  // namespace corvane
