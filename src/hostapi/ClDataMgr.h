#pragma once

class ClSysUser;
class ClSetData;

// Library Tobracmn: the objects that give access to the host's data sets.

// Handed to the summation and statement classes; opaque to the program.
class ClSetMgr {
public:
    virtual ~ClSetMgr();
};

// Handed to the summation rules; opaque to the program.
class ClOptLink {
public:
    virtual ~ClOptLink();
};

class ClDataMgr {
public:
    static ClDataMgr* Inst();
    virtual ~ClDataMgr();

    ClSysUser* GetSysUserObject();
    // (5, 1) is the set of company data entries.
    ClSetData* GetSetObject(int setKind, int setSub);
    ClSetMgr* GetSetMgr();

protected:
    ClDataMgr() = default;
};

class ClLinkMgr {
public:
    static ClLinkMgr* Inst();
    virtual ~ClLinkMgr();

    ClOptLink* GetOptLink();

protected:
    ClLinkMgr() = default;
};
