#pragma once

#include <cstdint>

struct StDATAINFO;

// Library Tobracore: the set of company data entries.
class ClSetData {
public:
    using Cursor = std::intptr_t;

    virtual ~ClSetData();

    int GetDatCursor(Cursor* cursor);
    int ReadyDat(Cursor cursor, int mode);
    // 0 while an entry was delivered into `entry`, nonzero at the end.
    int WalkDat(StDATAINFO* entry, Cursor cursor);
    int ReleaseDatCursor(Cursor cursor);
    // The entry the user selected; a zero-filled record when there is none.
    StDATAINFO* GetSelectedInfo();

protected:
    ClSetData() = default;
};
