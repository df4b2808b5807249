#include "hostapi/ClSysUser.h"

#include <cstring>

#include "Tobracore/CoreObjects.h"
#include "books/HostState.h"

namespace {

constexpr int kNoUser = 1;

class SysUser final : public ClSysUser {};

}  // namespace

ClSysUser& tobra::core::SysUserObject() {
    static SysUser user;
    return user;
}

ClSysUser::~ClSysUser() = default;

int ClSysUser::GetCurUserID(char* userId) {
    if (userId == nullptr) {
        return kNoUser;
    }
    userId[0] = '\0';
    const tobra::books::Installation* books = tobra::books::Current();
    if (books == nullptr) {
        return kNoUser;
    }
    // The loader keeps the user within the 64 bytes the buffer holds before its NUL.
    std::memcpy(userId, books->user.data(), books->user.size());
    userId[books->user.size()] = '\0';
    return 0;
}

int ClSysUser::GetSelectedNo(const char* /*userId*/, std::int32_t* first, std::int32_t* second) {
    const tobra::books::Installation* books = tobra::books::Current();
    if (books == nullptr || first == nullptr || second == nullptr) {
        return kNoUser;
    }
    *first = books->selection[0];
    *second = books->selection[1];
    return 0;
}
