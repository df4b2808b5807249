#pragma once

#include <cstdint>

// Library Tobracore: the logged-in host user, reached through ClDataMgr::GetSysUserObject.
class ClSysUser {
public:
    virtual ~ClSysUser();

    // Copies the NUL-terminated user ID into a buffer of 65 bytes.
    int GetCurUserID(char* userId);
    // The user's selection; the second number is the dataNo of the selected entry.
    int GetSelectedNo(const char* userId, std::int32_t* first, std::int32_t* second);

protected:
    ClSysUser() = default;
};
