#pragma once

#include "platform/WindowHandle.h"

// Library Tobralink: the connection to the host accounting system.
class ClAccConnect {
public:
    static ClAccConnect* Inst();
    virtual ~ClAccConnect();

    char m_szAppTitle[64] = {};              // title the host uses for its own messages
    platform::WindowHandle m_hOwnerWnd = 0;  // owner of the host's windows

    int SetAppType(int appType);
    int SetUseDataType(int dataType);
    // 0 connected, else failure.
    int Initiate();
    // 0 ready, 1 cancelled by the user, else failure.
    int ExpSysLink();
    // Shows a message box; `flags` are message-box flags.
    int DispMsg(platform::WindowHandle owner, const char* text, const char* caption,
                unsigned flags);
    int LogOut();
    int Terminate();
    int Release();

protected:
    ClAccConnect() = default;
};
