#include "dialog/ConditionsDlg.h"

bool CConditionsDlg::ReadRememberedOutput(IncomeKind*, char*) {
    return false;
}

bool CConditionsDlg::SaveRememberedOutput(std::int16_t, std::int16_t, IncomeKind, const char*) {
    return false;
}
