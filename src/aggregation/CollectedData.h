#pragma once

#include <memory>
#include <vector>

#include "hostapi/SavedStatementRecords.h"
#include "hostapi/SummationRecords.h"

// The summed rows in the order the aggregation appended them; each row is a
// copy the list owns.
using SummationRows = std::vector<std::unique_ptr<StAOSUMINFO>>;

// The lookups of the report, which holds the rows only. Each copies the row
// found (all 156 bytes) into `out` and returns 1; 0 with `out` untouched when
// there is none or `out` is null.
int FindRowByCode(const SummationRows& rows, int code,
                  StAOSUMINFO* out);                                // first row with the code
int FindRowAt(const SummationRows& rows, int n, StAOSUMINFO* out);  // n-th row, from 1

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

    int FindRowByCode(int code, StAOSUMINFO* out) const { return ::FindRowByCode(rows, code, out); }
    int FindRowAt(int n, StAOSUMINFO* out) const { return ::FindRowAt(rows, n, out); }
    // Frees the statement blocks with the task allocator, then the rows.
    void Release();
};
