#include "Tobracore/DataIdCopy.h"
#include "hostapi/ClRuleAo.h"

ClRuleBase::~ClRuleBase() = default;

int ClRuleBase::SetCurDataID(const char* dataId) {
    tobra::core::CopyDataId(m_szDataId, dataId);
    return dataId != nullptr ? 0 : 1;
}

int ClRuleBase::AttachOptLink(ClOptLink* /*optLink*/) {
    return 0;
}
