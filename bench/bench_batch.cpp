// pecunor-calc --batch inside one process: twelve-row loan schedules a
// second, and the 9,999-row sheet as JSON for programs.

#include <sstream>

#include <benchmark/benchmark.h>

#include "cli/batch_run.h"
#include "cli/prepared_run.h"
#include "cli/sheet_json.h"

namespace {

const std::vector<std::string> runOptions = {"--locale", "en_US", "--today", "2026-12-07"};

// Loans of twelve monthly payments, each amount another.
std::string twelveRowRequests(int count)
{
    std::string lines;
    for (int at = 0; at < count; ++at)
        lines += R"({"method":5,"periods":3,"v1":")" + std::to_string(10000 + at * 7) +
                 R"(","v2":"6.5","v3":"500","v4":"12","start":"2026-01-31"})"
                 "\n";
    return lines;
}

void BM_BatchOfTwelveRowSheets(benchmark::State& state)
{
    const std::string requests = twelveRowRequests(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::istringstream in(requests);
        std::ostringstream out;
        std::ostringstream err;
        if (pecunor::cli::runBatch(in, out, err, runOptions) != 0)
            state.SkipWithError("a line gave no sheet");
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BatchOfTwelveRowSheets)->Arg(1000)->Unit(benchmark::kMillisecond);

const std::vector<std::string> longestSchedule = {"--method", "4",   "--v1", "1000000", "--v2",     "1",
                                                  "--v3",     "250", "--v4", "9999",    "--locale", "de_DE"};

void BM_LongestSheetAsProgramJson(benchmark::State& state)
{
    const auto run = std::get<pecunor::cli::PreparedRun>(pecunor::cli::prepareRun(longestSchedule));
    for (auto _ : state)
        benchmark::DoNotOptimize(pecunor::cli::programSheetJson(run, pecunor::englishCatalog()).json.size());
}
BENCHMARK(BM_LongestSheetAsProgramJson)->Unit(benchmark::kMillisecond);

}  // namespace
