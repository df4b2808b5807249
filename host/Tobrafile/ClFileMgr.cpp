#include "hostapi/ClFileMgr.h"

#include <string>

#include "books/HostState.h"

namespace {
// Holds the text GetAppFolderPath returned until the next call.
std::string g_folder;
}  // namespace

ClFileMgr* ClFileMgr::Inst() {
    static ClFileMgr manager;
    return &manager;
}

ClFileMgr::~ClFileMgr() = default;

const char* ClFileMgr::GetAppFolderPath(int folderType) {
    const tobra::books::Installation* books = tobra::books::Current();
    try {
        if (books != nullptr && folderType >= 0 &&
            folderType < static_cast<int>(books->appFolders.size())) {
            g_folder = books->appFolders[static_cast<std::size_t>(folderType)];
        } else {
            g_folder.clear();
        }
    } catch (...) {
        g_folder.clear();
    }
    return g_folder.c_str();
}
