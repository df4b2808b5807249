#include "hostapi/ClSysEnvMgr.h"

ClSysEnvMgr* ClSysEnvMgr::Inst() {
    static ClSysEnvMgr manager;
    return &manager;
}

ClSysEnvMgr::~ClSysEnvMgr() = default;
