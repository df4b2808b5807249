// The aggregation over the stress books (10,000 rentals, every list filled),
// without a progress window and with the console's, shown and paced.
//
//   brenlo-bench [--benchmark_filter=...]
// The books are BRENLO_BENCH_BOOKS when set, else the build's stress books.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "aggregation/Aggregator.h"
#include "aggregation/CollectedData.h"
#include "books/HostState.h"
#include "core/IncomeKind.h"
#include "core/ProgressDlg.h"
#include "hostapi/StDATAINFO.h"
#include "platform/headless/ConsoleWindowSystem.h"

namespace {

// The host loads the books once; each iteration aggregates them again.
bool InstallStressBooks() {
    static const bool installed = [] {
        const char* chosen = std::getenv("BRENLO_BENCH_BOOKS");
        std::ifstream in(chosen != nullptr ? chosen : BRENLO_STRESS_BOOKS, std::ios::binary);
        const std::string json{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        return !json.empty() && tobra::books::InstallText(json).empty();
    }();
    return installed;
}

void Aggregate(benchmark::State& state, IncomeKind kind, bool consoleProgress) {
    if (!InstallStressBooks()) {
        state.SkipWithError("the stress books do not load");
        return;
    }
    StDATAINFO entry{};
    entry.returnKind = 3;
    entry.businessKind = 3;
    std::ostringstream output;
    std::istringstream input;
    platform::headless::ConsoleWindowSystem windows(output, input);
    windows.SetProgressVisible(true);
    for (auto _ : state) {
        CProgressDlg progress(
            consoleProgress ? windows.CreateProgressWindow(CProgressDlg::kTemplateId) : nullptr);
        progress.Show();
        progress.Start();
        CollectedData collected;
        Aggregator aggregator(collected, progress);
        benchmark::DoNotOptimize(aggregator.Aggregate(&entry, kind));
        progress.Close();
        collected.Release();
        output.str(std::string());
    }
}

void BM_AggregateBusiness(benchmark::State& state) {
    Aggregate(state, income_kind::kBusiness, false);
}
void BM_AggregateRealEstate(benchmark::State& state) {
    Aggregate(state, income_kind::kRealEstate, false);
}
void BM_AggregateRealEstateWithConsoleProgress(benchmark::State& state) {
    Aggregate(state, income_kind::kRealEstate, true);
}

BENCHMARK(BM_AggregateBusiness)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AggregateRealEstate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AggregateRealEstateWithConsoleProgress)->Unit(benchmark::kMillisecond);

// The report writer over the aggregated stress books goes here, written into
// memory through the XML writer's byte sink.

}  // namespace

BENCHMARK_MAIN();
