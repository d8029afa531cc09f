// The fire key dialog: the key or mouse button the mouse repeats while the
// button is held, how many times (0: until released), and the press and
// release time of each repeat. The key comes from the frame's list; the
// three numbers from edit boxes that the list covers when it is open, so
// opening the list destroys them and every way of closing it builds them
// again from their last texts.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ui/dialogs/skinned_dialog.h"

namespace corvane {

// How a number box's text becomes its value: the range and fallback of its
// number (meaning/choice_lists.h), out of range showing the fallback instead.
struct NumberBoxRule {
    const FireNumberRule& number;
    // Checked on every change of the text; otherwise only when the box
    // loses the keyboard focus (and on accept).
    bool checkedOnChange;
};

// Times, make time, break time: the order of kFireKeyNumberBoxes.
inline constexpr std::array<NumberBoxRule, 3> kFireKeyNumberRules = {{
    {kFireTimesRule, true},
    {kFireMakeRule, false},
    {kFireBreakRule, false},
}};

// The number at the start of `text` as a decimal integer (optional sign,
// then digits; an empty text reads as 0). Saturates far outside every box's
// range instead of overflowing.
int LeadingNumber(std::wstring_view text);

class CFireKeyDialog final : public SkinnedDialog {
  public:
    CFireKeyDialog(const DialogParts& parts, const DialogInputs& inputs);

    DialogOutcome Outcome() const override;

    // Times, make time, break time.
    int value(int box) const { return values_[static_cast<std::size_t>(box)]; }
    const std::wstring& text(int box) const { return texts_[static_cast<std::size_t>(box)]; }

  protected:
    bool OnOpened() override;
    void PaintTexts() override;
    void OnListOpening() override;
    void OnListClosed() override;
    // Reads and checks every box that exists, as leaving it would, so that
    // a number typed just before accepting counts.
    void BeforeAccept() override;
    void OnOtherChildNotify(int id, ChildEvent event) override;

  private:
    void CreateMissingBoxes();
    void CheckBox(int box);

    // Each box starts with its fallback.
    std::array<int, 3> values_{};
    std::array<std::wstring, 3> texts_;
};

}  // namespace corvane
