// What the main window's logic asks of its window. The Win32 host does it
// with a real window, GDI, GDI+ and LISTBOX children; tests use a recording
// fake. Every call is made on the user-interface thread.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/rect.h"
#include "core/user_messages.h"
#include "ui/dialogs/dialog_io.h"
#include "ui/main/window_fonts.h"
#include "ui/skin/text_format.h"

namespace corvane {

// The two fonts of the window; the host holds their handles.
enum class FontKind {
    Page,  // texts drawn on the pages
    List,  // drop-down lists and plain controls
};

// What the host is given once start-up knows the language, before anything
// is drawn or a dialog runs.
struct WindowSetup {
    std::wstring skinDir;       // the language's skin folder: image names are read from it
    WindowFonts fonts;          // the page and list fonts
    std::uint32_t versionWord;  // the system's version: the dialogs' Chinese font
    UserMessages& messages;     // images that cannot be loaded, the dialogs' failures
};

class MainWindowHost {
  public:
    virtual ~MainWindowHost() = default;

    // --- start-up ---
    // The fonts are created here and live as long as the host.
    virtual void SetUp(const WindowSetup& setup) = 0;
    // Loads the skin image `name` of the skin folder as the back buffer; a
    // missing image leaves the window without one (passes then draw on a
    // blank surface).
    virtual void LoadBackground(std::wstring_view name) = 0;

    // --- drawing: BeginDrawingPass, any number of draws, Present ---
    // Starts composing on the back buffer; returns false when there is no
    // back buffer (the pass then draws on a blank surface of the client size).
    virtual bool BeginDrawingPass() = 0;
    // Draws the skin image `name` (e.g. "/KeySet.png") with its top-left
    // corner at `at`, blended; false when it could not be loaded (the failure
    // has been reported to the user).
    virtual bool DrawImage(std::wstring_view name, Point at) = 0;
    // Draws `text` in `rect`: transparent background, the window's text
    // colour, the given font.
    virtual void DrawText(std::wstring_view text, Rect rect, TextFormat format, FontKind font) = 0;
    // Copies the whole client area of the pass to the window; ends the pass.
    virtual void Present() = 0;
    // Copies the back buffer to the window (the erase-background repaint).
    virtual void RepaintFromBackBuffer() = 0;

    // --- drop-down lists: list-box children known by control id ---
    virtual void CreateList(int id, Rect rect, std::span<const std::wstring> items) = 0;
    virtual void DestroyList(int id) = 0;
    virtual bool ListExists(int id) const = 0;
    virtual std::optional<int> ListSelection(int id) const = 0;
    virtual void SetListSelection(int id, int index) = 0;
    // The item of list `id` under a screen point.
    virtual std::optional<int> ListItemAt(int id, Point screenPoint) const = 0;
    virtual std::wstring ListText(int id, int index) const = 0;
    // The id of the list whose window lies under a screen point, if any.
    virtual std::optional<int> ListUnderScreenPoint(Point screenPoint) const = 0;

    // --- the window ---
    virtual void ShowMessageBox(const std::wstring& text, const std::wstring& caption) = 0;
    virtual void Hide() = 0;
    virtual void Show() = 0;
    virtual void BringToFront() = 0;
    // Moves the window with the pointer, as a press on a title bar would.
    virtual void StartDrag() = 0;
    // One hover and one leave notification, hover after `milliseconds`.
    virtual void RequestHover(int milliseconds) = 0;
    // Runs a dialog modally on top of the window and returns its outcome
    // (result kDialogAccepted or kDialogCancelled, and the dialog's outputs).
    virtual DialogOutcome RunDialog(DialogKind kind, const DialogInputs& inputs) = 0;
};

}  // namespace corvane
