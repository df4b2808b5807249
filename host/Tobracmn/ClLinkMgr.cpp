#include "hostapi/ClDataMgr.h"

ClOptLink::~ClOptLink() = default;

ClLinkMgr* ClLinkMgr::Inst() {
    static ClLinkMgr manager;
    return &manager;
}

ClLinkMgr::~ClLinkMgr() = default;

ClOptLink* ClLinkMgr::GetOptLink() {
    static ClOptLink optLink;
    return &optLink;
}
