#pragma once

#include "dialog/ConditionsDlg.h"

// The conditions dialog's controls by the short names its tests use.
namespace testsupport::controls {

inline constexpr int kBusiness = CConditionsDlg::kBusinessButton;
inline constexpr int kOther = CConditionsDlg::kOtherButton;
inline constexpr int kRealEstate = CConditionsDlg::kRealEstateButton;
inline constexpr int kEdit = CConditionsDlg::kOutputEdit;
inline constexpr int kBrowse = CConditionsDlg::kBrowseButton;
inline constexpr int kExecute = CConditionsDlg::kExecuteButton;
inline constexpr int kCancel = CConditionsDlg::kCancelButton;

}  // namespace testsupport::controls
