#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "aggregation/Aggregator.h"
#include "aggregation/CollectedData.h"
#include "books/HostState.h"
#include "core/ProgressDlg.h"
#include "hostapi/StDATAINFO.h"
#include "support/RunParts.h"

namespace testsupport {

// The run's aggregation over a stand-in host described by the books text of each test.
class AggregationTest : public RunPartsTest {
protected:
    void SetUp() override { tobra::books::Reset(); }
    void TearDown() override { tobra::books::Reset(); }

    // Installs one entry "D1" (dataNo 1) with these fields and books.
    void Books(int returnKind, int businessKind, const std::string& books,
               const std::string& results = "{}") {
        const std::string json = R"({"format": "books/1", "results": )" + results +
                                 R"(, "entries": [{"dataId": "D1", "dataNo": 1, "returnKind": )" +
                                 std::to_string(returnKind) + R"(, "businessKind": )" +
                                 std::to_string(businessKind) + (books.empty() ? "" : ", ") +
                                 books + "}]}";
        ASSERT_EQ(tobra::books::InstallText(json), "");
        entry_ = StDATAINFO{};
        entry_.returnKind = static_cast<std::int8_t>(returnKind);
        entry_.businessKind = static_cast<std::int8_t>(businessKind);
    }

    // The codes of the collected rows, in list order.
    std::vector<int> Codes() const {
        std::vector<int> codes;
        for (const auto& row : collected_.rows) {
            codes.push_back(row->code);
        }
        return codes;
    }
};

}  // namespace testsupport
