// SPDX-License-Identifier: MIT
// The cost of one keystroke through the engine, from the box's change to the last caption, and
// of one in the Plan window's goal, from the typed goal to the plan's results.
#include "calc/calculator.h"
#include "calc/memory_input_box.h"
#include "planning/plan.h"
#include "tests/support/recording_message_service.h"

#include <benchmark/benchmark.h>

namespace {

// A calculator set up as after a typical session: eCPM 2, impressions 1000, CTR 2.5 %.
std::unique_ptr<calc::Calculator> TypicalCalculator(calc::RecordingMessageService& messages) {
    auto calculator = calc::Calculator::Headless(messages);
    calculator->box(calc::Box::ECPM).setText("2");
    calculator->box(calc::Box::Impressions).setText("1000");
    calculator->box(calc::Box::CTR).setText("2");
    calculator->box(calc::Box::Dec).setText("5");
    return calculator;
}

void BM_ImpressionsKeystroke(benchmark::State& state) {
    calc::RecordingMessageService messages;
    auto calculator = TypicalCalculator(messages);
    auto& impressions = static_cast<calc::MemoryInputBox&>(calculator->box(calc::Box::Impressions));
    bool longer = false;
    for (auto _ : state) {
        // Alternates between two figures so that every keystroke changes the earnings.
        longer = !longer;
        if (longer) {
            impressions.setSelection(4, 0);
            impressions.type("5");
        } else {
            impressions.erase();
        }
    }
    benchmark::DoNotOptimize(calculator->caption(calc::Caption::EPC));
}
BENCHMARK(BM_ImpressionsKeystroke);

void BM_TenthsKeystroke(benchmark::State& state) {
    calc::RecordingMessageService messages;
    auto calculator = TypicalCalculator(messages);
    auto& tenths = static_cast<calc::MemoryInputBox&>(calculator->box(calc::Box::Dec));
    char digit = '0';
    for (auto _ : state) {
        // Typing over the selected digit runs the tenths edit and, through it, the CTR edit.
        digit = digit == '9' ? '1' : static_cast<char>(digit + 1);
        tenths.selectAll();
        tenths.type(std::string(1, digit));
    }
    benchmark::DoNotOptimize(calculator->caption(calc::Caption::EPC));
}
BENCHMARK(BM_TenthsKeystroke);

void BM_PlanGoalKeystroke(benchmark::State& state) {
    planning::PlanTexts texts;
    texts[planning::PlanInput::Impressions] = "1000";
    texts[planning::PlanInput::CTR] = "2.5";
    texts[planning::PlanInput::ECPM] = "2";
    texts[planning::PlanInput::Growth] = "5";
    texts[planning::PlanInput::Months] = "12";
    bool longer = false;
    for (auto _ : state) {
        // Alternates between two goals, as typing and erasing a digit does.
        longer = !longer;
        texts[planning::PlanInput::Goal] = longer ? "10000" : "1000";
        benchmark::DoNotOptimize(planning::MakePlan(texts));
    }
}
BENCHMARK(BM_PlanGoalKeystroke);

} // namespace

BENCHMARK_MAIN();
