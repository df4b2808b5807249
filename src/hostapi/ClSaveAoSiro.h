#pragma once

#include "hostapi/SavedStatementRecords.h"

class ClSetMgr;

// Library Tobracore: the saved statements of a company data entry.
class ClSaveBase {
public:
    virtual ~ClSaveBase();

    int AttachSetMgr(ClSetMgr* setMgr);
    int SetCurDataID(const char* dataId);

protected:
    ClSaveBase() = default;
    char m_szDataId[17] = {};
};

class ClSaveAoSiro : public ClSaveBase {
public:
    ClSaveAoSiro();
    ~ClSaveAoSiro() override;

    // Fill the record with blocks allocated by COM task memory; 0 on success.
    int GetDataIppan(StAOSIROSAVEINFO_IPPAN* info);
    int GetDataFudousan(StAOSIROSAVEINFO_FUDOUSAN* info);
};
