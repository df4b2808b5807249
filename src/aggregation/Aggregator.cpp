#include "aggregation/Aggregator.h"

#include <cstring>
#include <new>
#include <type_traits>

#include "core/ProgressDlg.h"
#include "hostapi/BlockView.h"
#include "hostapi/ClDataMgr.h"
#include "hostapi/ClRuleAo.h"
#include "hostapi/ClSaveAoSiro.h"
#include "hostapi/ClSetData.h"
#include "hostapi/StDATAINFO.h"

namespace {

constexpr int kDataSetKind = 5;
constexpr int kDataSetSub = 1;
constexpr std::int32_t kRealEstateIncomeItem = 21;

// The data identifier of the selected entry, always NUL-terminated.
bool ReadSelectedDataId(char (&dataId)[sizeof(StDATAINFO::dataId) + 1]) {
    ClDataMgr* dataManager = ClDataMgr::Inst();
    ClSetData* dataSet =
        dataManager ? dataManager->GetSetObject(kDataSetKind, kDataSetSub) : nullptr;
    const StDATAINFO* selected = dataSet ? dataSet->GetSelectedInfo() : nullptr;
    auto text = hostapi::BlockView(selected, selected ? sizeof(StDATAINFO) : 0)
                    .Text(offsetof(StDATAINFO, dataId), sizeof(StDATAINFO::dataId));
    if (!text) {
        return false;
    }
    std::memset(dataId, 0, sizeof dataId);
    std::memcpy(dataId, text->data(), text->size());
    return true;
}

StAOSUMCONDITION SumCondition() {
    StAOSUMCONDITION condition{};
    condition.bytes[0] = 0xFF;
    return condition;
}

bool Succeeded(int hostResult) {
    return hostResult == hostapi::kHostOk || hostResult == hostapi::kHostNoMoreRows;
}

bool AppendRow(SummationRows& rows, const StAOSUMINFO& row) {
    try {
        rows.push_back(std::make_unique<StAOSUMINFO>(row));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace

Aggregator::Aggregator(CollectedData& collected, CProgressDlg& progressDlg)
    : progress(&progressDlg),
      rows(&collected.rows),
      monthly(&collected.monthly),
      general(&collected.general),
      realEstate(&collected.realEstate) {}

Aggregator::~Aggregator() {
    delete statements;
    statements = nullptr;
    delete whiteRules;
    whiteRules = nullptr;
    delete blueRules;
    blueRules = nullptr;
}

int Aggregator::Aggregate(const StDATAINFO* entry, IncomeKind incomeKind) {
    if (entry == nullptr) {
        return 0;
    }
    if (!LoadGeneralStatement() || !LoadRealEstateStatement()) {
        return 0;
    }
    switch (entry->returnKind) {
        case hostapi::kBlueReturn:
            if (incomeKind == income_kind::kBusiness || incomeKind == income_kind::kOther) {
                if (SumBlueBusiness() && SumBlueMonthly() && entry->businessKind == 3) {
                    FetchRealEstateIncome();
                }
            } else if (incomeKind == income_kind::kRealEstate) {
                SumBlueRealEstate();
            }
            return 1;
        case hostapi::kWhiteReturn:
            if (incomeKind == income_kind::kBusiness || incomeKind == income_kind::kOther) {
                SumWhite(RuleSiroSumType_Business);
            } else if (incomeKind == income_kind::kRealEstate) {
                SumWhite(RuleSiroSumType_RealEstate);
            }
            return 1;
        default:
            return 0;
    }
}

int Aggregator::SumBlueBusiness() {
    return SumBlueStatements(RuleAoSumType_Business, true);
}

int Aggregator::SumBlueRealEstate() {
    return SumBlueStatements(RuleAoSumType_RealEstate, false);
}

int Aggregator::SumBlueStatements(_RuleAoSumType sumType, bool withManufacturing) {
    static constexpr CodeRewrite kSales{1, 101};
    static constexpr CodeRewrite kIncomeBeforeDeduction{24, 999};

    if (!PrepareBlueRules()) {
        return 0;
    }
    progress->Advance(100, 300);
    const StAOSUMCONDITION condition = SumCondition();
    if (blueRules->Ready(&condition) != hostapi::kHostOk) {
        return 0;
    }
    readyDone = 1;
    progress->Advance(300, 400);

    // The host wants every count before the first walk.
    ClRuleAo& rules = *blueRules;
    const int profitAndLossCount = rules.GetCount_PL(sumType);
    const int assetsCount = rules.GetCount_BS_Shisan(sumType);
    const int liabilitiesCount = rules.GetCount_BS_FusaiShihon(sumType);
    const int manufacturingCount = withManufacturing ? rules.GetCount_SeizoGenka() : 0;

    const bool walked =
        WalkStatement(
            profitAndLossCount, [&](StAOSUMINFO* row) { return rules.MoveFirst_PL(row, sumType); },
            [&](StAOSUMINFO* row) { return rules.MoveNext_PL(row, sumType); },
            sumType == RuleAoSumType_Business ? &kSales : nullptr) &&
        WalkStatement(
            assetsCount, [&](StAOSUMINFO* row) { return rules.MoveFirst_BS_Shisan(row, sumType); },
            [&](StAOSUMINFO* row) { return rules.MoveNext_BS_Shisan(row, sumType); }, nullptr) &&
        WalkStatement(
            liabilitiesCount,
            [&](StAOSUMINFO* row) { return rules.MoveFirst_BS_FusaiShihon(row, sumType); },
            [&](StAOSUMINFO* row) { return rules.MoveNext_BS_FusaiShihon(row, sumType); },
            &kIncomeBeforeDeduction) &&
        (!withManufacturing ||
         WalkStatement(
             manufacturingCount, [&](StAOSUMINFO* row) { return rules.MoveFirst_SeizoGenka(row); },
             [&](StAOSUMINFO* row) { return rules.MoveNext_SeizoGenka(row); }, nullptr));
    if (!walked) {
        return 0;
    }
    progress->Advance(400, 500);
    return 1;
}

int Aggregator::SumBlueMonthly() {
    if (!PrepareBlueRules() || !ReadyBlueRulesOnce()) {
        return 0;
    }
    return blueRules->GetTsukibetsuUriageShiire(monthly) == hostapi::kHostOk ? 1 : 0;
}

int Aggregator::FetchRealEstateIncome() {
    if (!PrepareBlueRules() || !ReadyBlueRulesOnce()) {
        return 0;
    }
    ClRuleAo& rules = *blueRules;
    const int count = rules.GetCount_PL(RuleAoSumType_RealEstate);
    StAOSUMINFO row{};
    int result = rules.MoveFirst_PL(&row, RuleAoSumType_RealEstate);
    if (!Succeeded(result)) {
        return 0;
    }
    for (int examined = 0; examined < count && result == hostapi::kHostOk; ++examined) {
        progress->Pulse();
        if (row.itemNo == kRealEstateIncomeItem) {
            // Without block 0, or with one too short for the field, the income is not kept.
            hostapi::MutableBlockView::OfTaskMemory(general->blocks[0])
                .Store<std::int64_t>(hostapi::general::kRealEstateIncome, row.closingAmount);
            break;
        }
        result = rules.MoveNext_PL(&row, RuleAoSumType_RealEstate);
    }
    return Succeeded(result) ? 1 : 0;
}

int Aggregator::SumWhite(_RuleSiroSumType sumType) {
    // The family-employee deduction row gets the code of its tag in the white tables.
    static constexpr CodeRewrite kBusinessDeduction{37, 998};
    static constexpr CodeRewrite kRealEstateDeduction{19, 998};

    if (!PrepareWhiteRules()) {
        return 0;
    }
    progress->Advance(100, 300);
    if (whiteRules->Ready() != hostapi::kHostOk) {
        return 0;
    }
    progress->Advance(300, 400);
    ClRuleSiro& rules = *whiteRules;
    const int count = rules.GetCount_PL(sumType);
    if (!WalkStatement(
            count, [&](StSIROSUMINFO* row) { return rules.MoveFirst_PL(row, sumType); },
            [&](StSIROSUMINFO* row) { return rules.MoveNext_PL(row, sumType); },
            sumType == RuleSiroSumType_Business ? &kBusinessDeduction : &kRealEstateDeduction)) {
        return 0;
    }
    progress->Advance(400, 500);
    return 1;
}

int Aggregator::LoadGeneralStatement() {
    if (!PrepareStatements()) {
        return 0;
    }
    return statements->GetDataIppan(general) == hostapi::kHostOk ? 1 : 0;
}

int Aggregator::LoadRealEstateStatement() {
    if (!PrepareStatements()) {
        return 0;
    }
    return statements->GetDataFudousan(realEstate) == hostapi::kHostOk ? 1 : 0;
}

// Each host object is created and attached once, on first use, and kept for the run.
template <typename HostObject>
int Aggregator::Prepare(HostObject*& object) {
    if (object != nullptr) {
        return 1;
    }
    char dataId[sizeof(StDATAINFO::dataId) + 1];
    if (!ReadSelectedDataId(dataId)) {
        return 0;
    }
    object = new (std::nothrow) HostObject;
    if (object == nullptr) {
        return 0;
    }
    object->AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    object->SetCurDataID(dataId);
    if constexpr (std::is_base_of_v<ClRuleBase, HostObject>) {
        object->AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
    }
    return 1;
}

int Aggregator::PrepareBlueRules() {
    return Prepare(blueRules);
}

int Aggregator::PrepareWhiteRules() {
    return Prepare(whiteRules);
}

int Aggregator::PrepareStatements() {
    return Prepare(statements);
}

// The monthly and real-estate income steps reuse the Ready of the business summation.
int Aggregator::ReadyBlueRulesOnce() {
    if (readyDone == 0) {
        const StAOSUMCONDITION condition = SumCondition();
        if (blueRules->Ready(&condition) != hostapi::kHostOk) {
            return 0;
        }
        readyDone = 1;
    }
    return 1;
}

template <typename MoveFirst, typename MoveNext>
int Aggregator::WalkStatement(int count, MoveFirst moveFirst, MoveNext moveNext,
                              const CodeRewrite* rewrite) {
    StAOSUMINFO row{};
    int result = moveFirst(&row);
    if (!Succeeded(result)) {
        return 0;
    }
    // Only rows the host actually delivered are kept, however many it counted.
    for (int delivered = 0; delivered < count && result == hostapi::kHostOk; ++delivered) {
        progress->Pulse();
        if (rewrite != nullptr && row.itemNo == rewrite->itemNo) {
            row.code = rewrite->code;
        }
        if (!AppendRow(*rows, row)) {
            result = kRowCopyFailed;
            break;
        }
        result = moveNext(&row);
    }
    return Succeeded(result) ? 1 : 0;
}
