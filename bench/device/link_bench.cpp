// The cost of a full read and a full write against the simulated mouse:
// transfers, pauses and their total length, and the time the exchange takes
// on a device that needs 1 ms per transfer (counted on a simulated clock, not
// waited for), beside the processor time of our own side.
#include <benchmark/benchmark.h>

#include "core/system_facts.h"
#include "core/user_messages.h"
#include "device/device_state.h"
#include "device/mouse_link.h"
#include "device/simulator/simulated_mouse.h"

namespace corvane {
namespace {

constexpr unsigned kTransferMs = 1;

// Pauses of the protocol go onto the simulated clock.
class ClockFacts final : public SystemFacts {
  public:
    explicit ClockFacts(unsigned& clockMs) : clockMs_(clockMs) {}
    std::uint16_t DefaultLanguageId() override { return kLangEnglishUs; }
    std::uint32_t VersionWord() override { return 0x0106; }
    std::wstring ExecutablePath() override { return L"Corvane1.0.exe"; }
    void Sleep(unsigned ms) override {
        ++pauses;
        pauseMs += ms;
        clockMs_ += ms;
    }
    void Trace(const std::wstring&) override {}
    unsigned pauses = 0;
    unsigned pauseMs = 0;

  private:
    unsigned& clockMs_;
};

class NoMessages final : public UserMessages {
  public:
    void Show(MessageKind, Caption, std::int64_t) override { ++shown; }
    int shown = 0;
};

struct Bench {
    unsigned clockMs = 0;
    ClockFacts facts{clockMs};
    NoMessages messages;
    DeviceState state;
    SimulatedMouse mouse{Options()};
    MouseLink link{mouse, state, facts, messages};

    SimulatedMouseOptions Options() {
        SimulatedMouseOptions options;
        options.transferDelayMs = kTransferMs;
        options.sleep = [this](unsigned ms) { clockMs += ms; };
        return options;
    }
    void Read() {
        state.image = DeviceImage{};
        link.ReadDevice();
    }
    void Reset() {
        clockMs = 0;
        facts.pauses = 0;
        facts.pauseMs = 0;
        mouse.ClearWireLog();
    }
};

void Report(benchmark::State& state, Bench& b, std::uint32_t transfers) {
    state.counters["transfers"] = transfers;
    state.counters["pauses"] = b.facts.pauses;
    state.counters["pause_ms"] = b.facts.pauseMs;
    state.counters["sim_ms_at_1ms_per_transfer"] = b.clockMs;
    if (b.messages.shown != 0) {
        state.SkipWithError("the exchange failed");
    }
}

void BM_FullRead(benchmark::State& state) {
    Bench b;
    b.link.FindMouse();
    b.state.scrambleEnabled = 1;
    std::uint32_t transfers = 0;
    for (auto _ : state) {
        b.Reset();
        const std::uint32_t before = b.mouse.transferCount();
        b.Read();
        transfers = b.mouse.transferCount() - before;
        benchmark::DoNotOptimize(b.state.image);
    }
    Report(state, b, transfers);
}
BENCHMARK(BM_FullRead);

void BM_FullWrite(benchmark::State& state) {
    Bench b;
    b.link.FindMouse();
    b.state.scrambleEnabled = 1;
    b.Read();
    std::uint32_t transfers = 0;
    for (auto _ : state) {
        b.Reset();
        const std::uint32_t before = b.mouse.transferCount();
        b.link.WriteDevice();
        transfers = b.mouse.transferCount() - before;
    }
    Report(state, b, transfers);
}
BENCHMARK(BM_FullWrite);

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
