#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "aggregation/Aggregator.h"
#include "aggregation/CollectedData.h"
#include "app/ProgressDlg.h"
#include "books/HostState.h"
#include "hostapi/StDATAINFO.h"
#include "support/FakeProgressWindow.h"

namespace testsupport {

// An Aggregator wired to a CollectedData and a recorded progress window, over a
// stand-in host described by the books text of each test.
class AggregationTest : public ::testing::Test {
protected:
    void SetUp() override { tobra::books::Reset(); }
    void TearDown() override {
        aggregator.reset();
        collected.Release();
        tobra::books::Reset();
    }

    // Installs one entry "D1" (dataNo 1) with these fields and books, and wires the aggregator.
    void Books(int returnKind, int businessKind, const std::string& books,
               const std::string& results = "{}") {
        const std::string json = R"({"format": "books/1", "results": )" + results +
                                 R"(, "entries": [{"dataId": "D1", "dataNo": 1, "returnKind": )" +
                                 std::to_string(returnKind) + R"(, "businessKind": )" +
                                 std::to_string(businessKind) + (books.empty() ? "" : ", ") +
                                 books + "}]}";
        ASSERT_EQ(tobra::books::InstallText(json), "");
        entry = StDATAINFO{};
        entry.returnKind = static_cast<std::int8_t>(returnKind);
        entry.businessKind = static_cast<std::int8_t>(businessKind);

        auto window = std::make_unique<FakeProgressWindow>();
        progressWindow = window.get();
        progress = std::make_unique<CProgressDlg>(std::move(window));
        progress->Start();
        aggregator = std::make_unique<Aggregator>();
        aggregator->progress = progress.get();
        aggregator->rows = &collected.rows;
        aggregator->monthly = &collected.monthly;
        aggregator->general = &collected.general;
        aggregator->realEstate = &collected.realEstate;
    }

    // The codes of the collected rows, in list order.
    std::vector<int> Codes() const {
        std::vector<int> codes;
        for (const auto& row : collected.rows) {
            codes.push_back(row->code);
        }
        return codes;
    }

    int OverallSteps() const { return progressWindow->bars[CProgressDlg::kOverallBar].steps; }

    CollectedData collected;
    StDATAINFO entry{};
    FakeProgressWindow* progressWindow = nullptr;
    std::unique_ptr<CProgressDlg> progress;
    std::unique_ptr<Aggregator> aggregator;
};

}  // namespace testsupport
