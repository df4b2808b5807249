#pragma once

#include <memory>
#include <vector>

#include "hostapi/SavedStatementRecords.h"
#include "hostapi/SummationRecords.h"

// The summed rows in the order the aggregation appended them; each row is a
// copy the list owns.
using SummationRows = std::vector<std::unique_ptr<StAOSUMINFO>>;

// Everything a run collects from the host apart from the company data entry:
// filled once by the aggregation, read by the report, released at the end of
// the run. The saved-statement blocks belong to it once the host delivered them.
class CollectedData {
public:
    CollectedData() = default;
    ~CollectedData();
    CollectedData(const CollectedData&) = delete;
    CollectedData& operator=(const CollectedData&) = delete;

    SummationRows rows;
    StAOSUMINFO_TSUKIBETSU monthly{};
    StAOSIROSAVEINFO_IPPAN general{};
    StAOSIROSAVEINFO_FUDOUSAN realEstate{};

    // Copies the first row with this code into `out`; 0 (out untouched) when none.
    int FindRowByCode(int code, StAOSUMINFO* out) const;
    // Copies the n-th row (from 1) into `out`; 0 (out untouched) when there is none.
    int FindRowAt(int n, StAOSUMINFO* out) const;
    // Frees the statement blocks with the task allocator, then the rows.
    void Release();

private:
    static constexpr int kSelectByCode = 0;
    static constexpr int kSelectByPosition = 1;
    int FindRow(int selector, int key, StAOSUMINFO* out) const;
};
