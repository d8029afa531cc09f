// What a skinned dialog's logic asks of its window. The Win32 host does it
// with a real dialog window, GDI, GDI+, LISTBOX and EDIT children and a
// thread keyboard hook; tests use a recording fake. Every call is made on
// the user-interface thread.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/rect.h"
#include "ui/skin/text_format.h"

namespace corvane {

// The dialog font: width 0, weight 400, upright, character set 0, default
// precision and quality, variable pitch.
struct DialogFont {
    std::wstring_view face;
    int height;
    friend constexpr bool operator==(const DialogFont&, const DialogFont&) = default;
};

struct KeyboardHookResult {
    bool installed;
    std::int64_t errorCode;  // the platform's last error when not installed
};

class DialogHost {
  public:
    virtual ~DialogHost() = default;

    // --- opening ---
    // The font every text and child of the dialog is drawn in; it lives as
    // long as the dialog.
    virtual void CreateDialogFont(const DialogFont& font) = 0;
    // Loads the skin image `name` as the dialog's canvas, kept until the
    // dialog ends; false when it cannot be loaded.
    virtual bool LoadBackground(std::wstring_view name) = 0;

    // --- drawing: BeginDrawingPass, any number of draws, Present ---
    // Composes on the background (the paint context during an erase, the
    // window's context otherwise).
    virtual void BeginDrawingPass() = 0;
    // Draws the skin image `name` with its top-left corner at `at`, blended;
    // false when it could not be loaded (the failure has been reported).
    virtual bool DrawImage(std::wstring_view name, Point at) = 0;
    // Draws `text` in `rect`: transparent background, the skin's text colour,
    // the dialog font.
    virtual void DrawText(std::wstring_view text, Rect rect, TextFormat format) = 0;
    // Copies the whole client area to the window; ends the pass.
    virtual void Present() = 0;

    // --- the drop-down list: a list-box child known by control id ---
    virtual void CreateList(int id, Rect rect, std::span<const std::wstring> items,
                            bool scrollBar) = 0;
    virtual void DestroyList(int id) = 0;
    virtual bool ListExists(int id) const = 0;
    virtual std::optional<int> ListSelection(int id) const = 0;
    virtual void SetListSelection(int id, int index) = 0;
    virtual std::wstring ListText(int id, int index) const = 0;
    // The item of list `id` under a screen point.
    virtual std::optional<int> ListItemAt(int id, Point screenPoint) const = 0;
    // The id of the list whose window lies under a screen point, if any.
    virtual std::optional<int> ListUnderScreenPoint(Point screenPoint) const = 0;

    // --- number boxes: single-line edit children, digits only, centred ---
    virtual void CreateNumberBox(int id, Rect rect, std::wstring_view text) = 0;
    virtual void DestroyNumberBox(int id) = 0;
    virtual bool NumberBoxExists(int id) const = 0;
    virtual std::wstring NumberBoxText(int id) const = 0;
    // Replaces the box's text (the platform reports the change like typing).
    virtual void SetNumberBoxText(int id, std::wstring_view text) = 0;
    virtual void RepaintNumberBox(int id) = 0;

    // --- pointer and keyboard ---
    // One hover notification after `milliseconds` (no leave notification).
    virtual void RequestHover(int milliseconds) = 0;
    // Installs the thread keyboard hook that reports every key event of the
    // user-interface thread to this dialog; it is removed when the dialog
    // ends.
    virtual KeyboardHookResult InstallKeyboardHook() = 0;
};

}  // namespace corvane
