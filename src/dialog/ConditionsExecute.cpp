#include "dialog/ConditionsDlg.h"

void CConditionsDlg::OnExecute() {
    UpdateData(true);
    m_nIncomeKind = income_kind::kBusiness;
    if (m_controls->IsChecked(kBusinessButton)) {
        m_nIncomeKind = income_kind::kBusiness;
    }
    if (m_controls->IsChecked(kOtherButton)) {
        m_nIncomeKind = income_kind::kOther;
    }
    if (m_controls->IsChecked(kRealEstateButton)) {
        m_nIncomeKind = income_kind::kRealEstate;
    }
    m_controls->EndDialog(kExecuteButton);
}
