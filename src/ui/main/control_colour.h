// What the main window sets on a child control about to be painted, by
// control category. The Win32 host applies a choice to the control's drawing
// context and makes its one live brush.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/main/main_host.h"
#include "ui/skin/skin_colours.h"

namespace corvane {

// Colours of the main window's own controls, besides the skin's.
inline constexpr ColourWord kEditTextColour{0, 255, 0};
inline constexpr ColourWord kStaticBackground{100, 150, 100};
inline constexpr ColourWord kBlack{0, 0, 0};

enum class ControlCategory { Edit, ListBox, Button, Static, Other };

// Statics 71-74 are painted in the lighting colours ledColour[id - 71].
inline constexpr int kFirstLedColourStatic = 71;
inline constexpr int kLedColourStaticCount = 4;

enum class BrushKind {
    DefaultResult,  // return what the default colour handling returned
    Solid,          // a new solid brush of `brushColour`
};

struct ControlColourChoice {
    std::optional<ColourWord> textColour;        // unset: unchanged
    bool transparentBackground = false;          // set background mode transparent
    std::optional<ColourWord> backgroundColour;  // text background colour
    std::optional<FontKind> font;                // unset: unchanged
    BrushKind brush = BrushKind::DefaultResult;
    ColourWord brushColour{};
    friend constexpr bool operator==(const ControlColourChoice&,
                                     const ControlColourChoice&) = default;
};

struct ControlColourRule {
    ControlCategory category;
    bool ledColourStatics;  // the rule of statics 71-74 (brush from ledColour)
    ControlColourChoice choice;
};

// Tested in order; the first rule of the category (and, for statics, of the
// identifier range) applies. Any other category keeps the default result.
inline constexpr ControlColourRule kControlColourRules[] = {
    {ControlCategory::Edit,
     false,
     {kEditTextColour, true, std::nullopt, std::nullopt, BrushKind::Solid, kBlack}},
    // The list's background colour too: list boxes that clear their rows with
    // the context's background colour (Wine's) would otherwise paint white;
    // with the transparent mode it changes nothing where the brush paints.
    {ControlCategory::ListBox,
     false,
     {kTextColour, true, kListBackground, FontKind::List, BrushKind::Solid, kListBackground}},
    {ControlCategory::Button,
     false,
     {std::nullopt, true, std::nullopt, std::nullopt, BrushKind::DefaultResult, {}}},
    {ControlCategory::Static,
     true,
     {std::nullopt, true, std::nullopt, std::nullopt, BrushKind::Solid, {}}},
    {ControlCategory::Static,
     false,
     {kEditTextColour, false, kStaticBackground, FontKind::List, BrushKind::Solid,
      kStaticBackground}},
};

constexpr bool IsLedColourStatic(int id) {
    return id >= kFirstLedColourStatic && id < kFirstLedColourStatic + kLedColourStaticCount;
}

// The choice for a control; `ledColour` is the working record's four
// lighting colours.
constexpr ControlColourChoice ControlColourFor(ControlCategory category, int id,
                                               const ColourWord (&ledColour)[4]) {
    for (const ControlColourRule& rule : kControlColourRules) {
        if (rule.category != category) {
            continue;
        }
        if (category == ControlCategory::Static && rule.ledColourStatics != IsLedColourStatic(id)) {
            continue;
        }
        ControlColourChoice choice = rule.choice;
        if (rule.ledColourStatics) {
            choice.brushColour = ledColour[id - kFirstLedColourStatic];
        }
        return choice;
    }
    return ControlColourChoice{};
}

}  // namespace corvane
