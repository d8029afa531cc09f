// Which item of a list box lies at a point.
#pragma once

namespace corvane {

// The item nearest a point in a list; `onItem` is false when the point lies
// below the last item (or outside every item), where the list still names
// the nearest one.
struct ListBoxHit {
    int index = 0;
    bool onItem = false;
};

}  // namespace corvane
