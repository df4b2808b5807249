#pragma once

// Library Tobramsg: the host's message catalogue. Linked by the program; none
// of its operations is called.
class ClMsgMgr {
public:
    static ClMsgMgr* Inst();
    virtual ~ClMsgMgr();

protected:
    ClMsgMgr() = default;
};
