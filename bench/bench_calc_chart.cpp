// One recomputation per keystroke must stay well below a frame: these are
// the three largest sheets, 9,999 periods each, every cell text included.

#include <array>
#include <string>

#include <benchmark/benchmark.h>

#include "engine/calc_chart.h"

namespace {

constexpr int periodCount = 9999;

pecunor::RegionalSettings usRegional()
{
    pecunor::RegionalSettings regional;  // separators and date order already as in the US
    regional.currencySymbol = "$";
    regional.currencyDecimals = 2;
    return regional;
}

void recomputeSheet(benchmark::State& state, pecunor::CalcMethod method, std::array<std::string, 4> valueTexts)
{
    const pecunor::DayNumber today = *pecunor::dayNumberOf(2024, 1, 15);
    const pecunor::RegionalSettings regional = usRegional();
    pecunor::MethodInputMemory memory(today);
    pecunor::CalcRequest request;
    request.method = method;
    request.startDateText = "1/15/2024";
    request.periodUnit = pecunor::PeriodUnit::Months;
    request.valueTexts = std::move(valueTexts);

    const pecunor::ResultSheet first = pecunor::calcChart(request, today, regional, memory);
    if (!first.valid() || first.fault() || first.rowCount() < periodCount) {
        state.SkipWithError("the request does not give a full sheet");
        return;
    }
    for (auto _ : state) {
        pecunor::ResultSheet sheet = pecunor::calcChart(request, today, regional, memory);
        benchmark::DoNotOptimize(sheet);
    }
    state.counters["rows"] = first.rowCount();
}

void futureValueAnnuity(benchmark::State& state)
{
    recomputeSheet(state, pecunor::CalcMethod::FutureValueAnnuity, {"1000", "10", "100", "9999"});
}

void loanPayment(benchmark::State& state)
{
    recomputeSheet(state, pecunor::CalcMethod::PresentLoanPayment, {"100000", "5", "0", "9999"});
}

void doubleDecliningDepreciation(benchmark::State& state)
{
    recomputeSheet(state, pecunor::CalcMethod::DoubleDecliningDepreciation, {"10000", "1000", "9999", ""});
}

// Median of ten runs, so that one disturbed run does not decide.
void medianOfTen(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(futureValueAnnuity)->Apply(medianOfTen);
BENCHMARK(loanPayment)->Apply(medianOfTen);
BENCHMARK(doubleDecliningDepreciation)->Apply(medianOfTen);
