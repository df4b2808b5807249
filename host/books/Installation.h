#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "hostapi/SavedStatementRecords.h"
#include "hostapi/StDATAINFO.h"
#include "hostapi/SummationRecords.h"

namespace tobra::books {

// Operations whose result a books file can set.
enum class Operation {
    Initiate,
    ExpSysLink,
    RuleAoReady,
    RuleSiroReady,
    MonthlySums,
    GetDataIppan,
    GetDataFudousan,
};
inline constexpr std::size_t kOperationCount = 7;
// As the books file's `results` names them, in the order of Operation.
inline constexpr std::array<std::string_view, kOperationCount> kOperationNames = {
    "Initiate",
    "ExpSysLink",
    "ClRuleAo::Ready",
    "ClRuleSiro::Ready",
    "GetTsukibetsuUriageShiire",
    "GetDataIppan",
    "GetDataFudousan",
};

// One per summation walk of the host's rule classes.
enum class StatementKind {
    BlueBusinessPl,
    BlueBusinessAssets,
    BlueBusinessLiabilities,
    BlueManufacturing,
    BlueRealEstatePl,
    BlueRealEstateAssets,
    BlueRealEstateLiabilities,
    WhiteBusinessPl,
    WhiteRealEstatePl,
};
inline constexpr std::size_t kStatementKindCount = 9;

// A walk call that fails with `result` instead of delivering a row.
struct FaultMarker {
    std::int32_t result = 0;
};

using StatementElement = std::variant<StAOSUMINFO, FaultMarker>;

struct Statement {
    std::vector<StatementElement> elements;
    std::optional<std::int32_t> count;  // what GetCount_* claims instead of the element count
    std::int32_t firstResult = hostapi::kHostNoMoreRows;  // MoveFirst_* when there are no elements

    int Count() const;
};

// The bytes of a saved-statement block as the host delivers it; none when the
// host delivers a null pointer.
using SavedBlock = std::optional<std::string>;

struct Entry {
    StDATAINFO info{};
    std::array<Statement, kStatementKindCount> statements;
    StAOSUMINFO_TSUKIBETSU monthly{};
    std::array<SavedBlock, hostapi::general::kBlockCount> general;
    std::array<SavedBlock, hostapi::realestate::kBlockCount> realEstate;

    // The identifier up to its NUL, or all 16 bytes when it has none.
    std::string_view DataId() const;
    const Statement& StatementOf(StatementKind kind) const;
};

// One host installation as a books file describes it. Texts are CP932.
struct Installation {
    std::string booksFile;  // Windows form
    std::string user;
    std::array<std::int32_t, 2> selection{};
    std::array<std::string, 2> appFolders;
    std::array<std::int32_t, kOperationCount> results{};
    std::vector<Entry> entries;

    std::int32_t ResultOf(Operation operation) const;
    const Entry* EntryWithDataId(std::string_view dataId) const;
    const Entry* EntryWithDataNo(std::int32_t dataNo) const;
};

}  // namespace tobra::books
