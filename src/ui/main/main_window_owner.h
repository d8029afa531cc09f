// What the window logic asks of the program that owns it: the two window
// buttons whose effect reaches beyond the window.
#pragma once

namespace corvane {

class MainWindowOwner {
  public:
    virtual ~MainWindowOwner() = default;
    // Save's write of the whole DeviceImage to the mouse, with the wait
    // cursor; true when all of it arrived (a failure has been reported).
    virtual bool WriteMouse() = 0;
    // The Close button: the program ends without saving, exit code 0. Does
    // not return in a real program.
    virtual void EndProgram() = 0;
};

}  // namespace corvane
