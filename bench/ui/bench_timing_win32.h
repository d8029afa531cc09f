// Timing of the main window benchmarks: steps measured round-robin, each
// with an untimed preparation, reported as median and mean beside a floor.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace corvane::bench {

struct Figures {
    double median;
    double mean;
    double best = 0;  // the fastest round: what the machine's load left alone
    Figures operator+(const Figures& other) const {
        return {median + other.median, mean + other.mean, best + other.best};
    }
};

struct Step {
    template <class Run>
    Step(Run run) : run(std::move(run)) {}  // NOLINT: a bare lambda is a step
    template <class Prepare, class Run>
    Step(Prepare prepare, Run run) : run(std::move(run)), prepare(std::move(prepare)) {}

    std::function<void()> run;
    std::function<void()> prepare;  // untimed, before each run
};

// Handles what the steps left queued (paints, the window system's events),
// as the window's message loop does between two user actions.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Runs the steps round-robin, so that a change in the machine's load (the
// cores are shared) falls on all of them alike. Queued messages are handled
// before each step, untimed.
inline std::vector<Figures> Measure(const std::vector<Step>& steps, int rounds) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<std::vector<double>> times(steps.size());
    for (const Step& step : steps) {  // warm up
        if (step.prepare) {
            step.prepare();
        }
        step.run();
    }
    for (int i = 0; i < rounds; ++i) {
        for (std::size_t s = 0; s < steps.size(); ++s) {
            PumpMessages();
            if (steps[s].prepare) {
                steps[s].prepare();
            }
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            steps[s].run();
            QueryPerformanceCounter(&end);
            times[s].push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
                               static_cast<double>(frequency.QuadPart));
        }
    }
    std::vector<Figures> figures;
    for (auto& t : times) {
        double sum = 0;
        for (double v : t) {
            sum += v;
        }
        std::sort(t.begin(), t.end());
        figures.push_back({t[t.size() / 2], sum / static_cast<double>(t.size()), t.front()});
    }
    return figures;
}

inline void Print(const char* name, Figures f, const Figures* floor) {
    std::printf("%-44s median %9.1f us   mean %9.1f us   best %9.1f us", name, f.median, f.mean,
                f.best);
    if (floor != nullptr) {
        std::printf("   x%.2f of floor (best x%.2f)", f.median / floor->median,
                    f.best / floor->best);
    }
    std::printf("\n");
}

}  // namespace corvane::bench
