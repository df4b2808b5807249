// The aggregation and the report writer over the stress books (10,000 rentals, every list filled),
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
#include "core/Edition.h"
#include "core/IncomeKind.h"
#include "core/ProgressDlg.h"
#include "hostapi/StDATAINFO.h"
#include "platform/ByteSink.h"
#include "platform/headless/ConsoleWindowSystem.h"
#include "report/ReportWriter.h"

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

// The stress company's entry: blue return, business and real estate.
bool StressEntry(benchmark::State& state, StDATAINFO& entry) {
    if (!InstallStressBooks()) {
        state.SkipWithError("the stress books do not load");
        return false;
    }
    entry.returnKind = 3;
    entry.businessKind = 3;
    return true;
}

void Aggregate(benchmark::State& state, IncomeKind kind, bool consoleProgress) {
    StDATAINFO entry{};
    if (!StressEntry(state, entry)) {
        return;
    }
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

// The report of the aggregated stress books, written into memory: the
// writer's own cost, without the disk.
void WriteReport(benchmark::State& state, IncomeKind kind) {
    StDATAINFO entry{};
    if (!StressEntry(state, entry)) {
        return;
    }
    CProgressDlg progress(nullptr);
    CollectedData collected;
    Aggregator(collected, progress).Aggregate(&entry, kind);
    std::size_t bytes = 0;
    for (auto _ : state) {
        ReportWriter report(collected, progress, kind, Edition::Brenlo(), 500);
        platform::MemorySink sink;
        benchmark::DoNotOptimize(report.WriteReportTo(sink, 1, &entry));
        bytes = sink.Bytes().size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    collected.Release();
}

void BM_WriteBusinessReport(benchmark::State& state) {
    WriteReport(state, income_kind::kBusiness);
}
void BM_WriteRealEstateReport(benchmark::State& state) {
    WriteReport(state, income_kind::kRealEstate);
}

BENCHMARK(BM_WriteBusinessReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRealEstateReport)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
