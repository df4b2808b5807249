#pragma once

#include "hostapi/SummationRecords.h"

class ClSetMgr;
class ClOptLink;

// Library Tobracore: the summation rules. Walk results: 0 a row was
// delivered, 5000 no (more) rows, anything else a failure.
class ClRuleBase {
public:
    virtual ~ClRuleBase();

    int SetCurDataID(const char* dataId);
    int AttachOptLink(ClOptLink* optLink);

protected:
    ClRuleBase() = default;
    char m_szDataId[17] = {};
};

// Blue-return summation rules.
class ClRuleAo : public ClRuleBase {
public:
    ClRuleAo();
    ~ClRuleAo() override;
    ClRuleAo(const ClRuleAo&) = delete;
    ClRuleAo& operator=(const ClRuleAo&) = delete;

    int AttachSetMgr(ClSetMgr* setMgr);
    int Ready(const StAOSUMCONDITION* condition);

    int GetCount_PL(_RuleAoSumType sumType);
    int GetCount_BS_Shisan(_RuleAoSumType sumType);
    int GetCount_BS_FusaiShihon(_RuleAoSumType sumType);
    int GetCount_SeizoGenka();

    int MoveFirst_PL(StAOSUMINFO* row, _RuleAoSumType sumType);
    int MoveNext_PL(StAOSUMINFO* row, _RuleAoSumType sumType);
    int MoveFirst_BS_Shisan(StAOSUMINFO* row, _RuleAoSumType sumType);
    int MoveNext_BS_Shisan(StAOSUMINFO* row, _RuleAoSumType sumType);
    int MoveFirst_BS_FusaiShihon(StAOSUMINFO* row, _RuleAoSumType sumType);
    int MoveNext_BS_FusaiShihon(StAOSUMINFO* row, _RuleAoSumType sumType);
    int MoveFirst_SeizoGenka(StAOSUMINFO* row);
    int MoveNext_SeizoGenka(StAOSUMINFO* row);

    int GetTsukibetsuUriageShiire(StAOSUMINFO_TSUKIBETSU* monthly);

private:
    struct Impl;
    Impl* m_pImpl;
};

// White-return summation rules.
class ClRuleSiro : public ClRuleBase {
public:
    ClRuleSiro();
    ~ClRuleSiro() override;
    ClRuleSiro(const ClRuleSiro&) = delete;
    ClRuleSiro& operator=(const ClRuleSiro&) = delete;

    int AttachSetMgr(ClSetMgr* setMgr);
    int Ready();

    int GetCount_PL(_RuleSiroSumType sumType);
    int MoveFirst_PL(StSIROSUMINFO* row, _RuleSiroSumType sumType);
    int MoveNext_PL(StSIROSUMINFO* row, _RuleSiroSumType sumType);

private:
    struct Impl;
    Impl* m_pImpl;
};
