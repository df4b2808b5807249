#pragma once

class ClSysUser;
class ClSetData;

// The objects of Tobracore that ClDataMgr hands out; they live as long as the program.
namespace tobra::core {

ClSysUser& SysUserObject();
ClSetData& SetDataObject();

}  // namespace tobra::core
