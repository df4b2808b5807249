#pragma once

// Library Tobrafile: the host's folders.
class ClFileMgr {
public:
    static ClFileMgr* Inst();
    virtual ~ClFileMgr();

    // The folder of a type (0 or 1), ending in a backslash; empty text when
    // the host has none. Valid until the next call.
    const char* GetAppFolderPath(int folderType);

protected:
    ClFileMgr() = default;
};
