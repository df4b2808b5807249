#include "hostapi/ClMsgMgr.h"

ClMsgMgr* ClMsgMgr::Inst() {
    static ClMsgMgr manager;
    return &manager;
}

ClMsgMgr::~ClMsgMgr() = default;
