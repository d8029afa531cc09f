// Properties of the geometry tables that the window and dialog logic rely on.

#include <gtest/gtest.h>

#include <set>

#include "ui/dialogs/dialog_layout.h"
#include "ui/main/main_layout.h"

namespace corvane {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(SkinLayout, KeyListZonesStayClearOfTheDefaultButton) {
    // A click on Default closes any open key list before Default runs.
    for (const auto& layer : kKeyListZones) {
        for (const Rect& zone : layer) {
            EXPECT_FALSE(Overlap(zone, kDefaultButton));
        }
    }
}

TEST(SkinLayout, DialogTableIsIndexedByKindAndItsClickRegionsAreDisjoint) {
    std::set<int> templates;
    for (int i = 0; i < kDialogKindCount; ++i) {
        const DialogLayout& d = kDialogLayouts[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(static_cast<int>(d.kind), i);
        EXPECT_TRUE(templates.insert(d.templateId).second) << "template id used twice";
        // 2 pixels per dialog unit at 96 dpi.
        EXPECT_EQ(d.clientWidth, 2 * d.widthUnits);
        EXPECT_EQ(d.clientHeight, 2 * d.heightUnits);
        EXPECT_FALSE(Overlap(d.accept, d.cancel));
        EXPECT_FALSE(Overlap(d.accept, d.closeBox));
        EXPECT_FALSE(Overlap(d.cancel, d.closeBox));
        EXPECT_LE(d.closeBox.right, d.clientWidth);
        EXPECT_EQ(d.list.has_value() && !d.dropdown.has_value(), false)
            << "a list opens from a drop-down box";
    }
}

}  // namespace
}  // namespace corvane
