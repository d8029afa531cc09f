// The LED page: the lighting mode with its parameter, and the report rate.
// Each choice is a mark on the page image; the page keeps no state of its
// own and draws every mark from the working record, on the page image that
// erases the earlier ones, at every show and every click.
#pragma once

#include "device/device_state.h"
#include "ui/main/main_host.h"

namespace corvane {

class LedPage {
  public:
    LedPage(DeviceState& state, MainWindowHost& host) : state_(state), host_(host) {}

    void Show();
    // Runs the click of the report-rate position, lighting row or mode-2
    // parameter row under `p`, tested in that order; true when one took it.
    bool Click(Point p);

    void ReportRateClick(int position);
    void LightingRowClick(int row);
    void ParameterRowClick(int row);

  private:
    // Draws the page image when there is a back buffer; false without one.
    bool BeginPage();
    void DrawTick(const Rect& at);
    // The marks of the current ledMode (and ledParamA or ledParamB).
    void DrawLightingMarks();
    // The mark of the current reportRate; `fallbackPosition` for a value
    // that has none (-1: no mark).
    void DrawReportRateMark(int fallbackPosition);
    void DrawParameterMark();

    DeviceState& state_;
    MainWindowHost& host_;
};

}  // namespace corvane
