#include "hostapi/ClDataMgr.h"

#include "Tobracore/CoreObjects.h"

namespace {
// The set of company data entries among the host's data sets.
constexpr int kEntrySetKind = 5;
constexpr int kEntrySetSub = 1;
}  // namespace

ClSetMgr::~ClSetMgr() = default;

ClDataMgr* ClDataMgr::Inst() {
    static ClDataMgr manager;
    return &manager;
}

ClDataMgr::~ClDataMgr() = default;

ClSysUser* ClDataMgr::GetSysUserObject() {
    return &tobra::core::SysUserObject();
}

ClSetData* ClDataMgr::GetSetObject(int setKind, int setSub) {
    if (setKind != kEntrySetKind || setSub != kEntrySetSub) {
        return nullptr;
    }
    return &tobra::core::SetDataObject();
}

ClSetMgr* ClDataMgr::GetSetMgr() {
    static ClSetMgr setManager;
    return &setManager;
}
