#pragma once

// Library Tobraenv: the host's environment settings. Linked by the program;
// none of its operations is called.
class ClSysEnvMgr {
public:
    static ClSysEnvMgr* Inst();
    virtual ~ClSysEnvMgr();

protected:
    ClSysEnvMgr() = default;
};
