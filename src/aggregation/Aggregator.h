#pragma once

#include <cstdint>

#include "aggregation/CollectedData.h"
#include "core/IncomeKind.h"
#include "hostapi/SummationRecords.h"

class CProgressDlg;
class ClRuleAo;
class ClRuleSiro;
class ClSaveAoSiro;
struct StDATAINFO;

// Turns the host's books for the selected company into CollectedData. The host
// computes every total; this asks for the statements in a fixed order, copies
// each row it is handed, rewrites the codes of a few rows for the report's
// tables and keeps the progress window moving.
class Aggregator {
public:
    // The program's own code for a row copy that could not be allocated.
    static constexpr int kRowCopyFailed = -1001;

    // The run's progress window and the collected data it fills; both borrowed
    // and outliving the aggregator.
    Aggregator(CollectedData& collected, CProgressDlg& progress);
    virtual ~Aggregator();
    Aggregator(const Aggregator&) = delete;
    Aggregator& operator=(const Aggregator&) = delete;

    // The progress window and the parts of the collected data it fills.
    CProgressDlg* const progress;
    SummationRows* const rows;
    StAOSUMINFO_TSUKIBETSU* const monthly;
    StAOSIROSAVEINFO_IPPAN* const general;
    StAOSIROSAVEINFO_FUDOUSAN* const realEstate;

    int Aggregate(const StDATAINFO* entry, IncomeKind incomeKind);

    int SumBlueBusiness();
    int SumBlueMonthly();
    int FetchRealEstateIncome();
    int SumBlueRealEstate();
    int SumWhite(_RuleSiroSumType sumType);
    int LoadGeneralStatement();
    int LoadRealEstateStatement();

private:
    // A row whose itemNo matches gets the code the report's tables look for.
    struct CodeRewrite {
        std::int32_t itemNo;
        std::int32_t code;
    };

    template <typename HostObject>
    int Prepare(HostObject*& object);
    int PrepareBlueRules();
    int ReadyBlueRulesOnce();
    int PrepareWhiteRules();
    int PrepareStatements();
    int SumBlueStatements(_RuleAoSumType sumType, bool withManufacturing);
    template <typename MoveFirst, typename MoveNext>
    int WalkStatement(int count, MoveFirst moveFirst, MoveNext moveNext,
                      const CodeRewrite* rewrite);
    ClRuleAo* blueRules = nullptr;
    ClRuleSiro* whiteRules = nullptr;
    ClSaveAoSiro* statements = nullptr;
    std::int32_t readyDone = 0;
};
