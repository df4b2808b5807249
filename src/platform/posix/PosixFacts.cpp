// What the file system says of files beyond open(2): their facts, the names
// in a folder, and a move that never replaces.
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "platform/posix/PosixFile.h"

namespace platform::posix {

std::vector<std::string> NativeNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    struct CloseFolder {
        void operator()(DIR* folder) const { ::closedir(folder); }
    };
    const std::unique_ptr<DIR, CloseFolder> directory(::opendir(folder.c_str()));
    if (!directory) {
        return names;
    }
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    return names;
}

FileFacts FactsOfStatus(const struct stat& status) {
    FileFacts facts;
    facts.kind = S_ISREG(status.st_mode)   ? EntryKind::File
                 : S_ISDIR(status.st_mode) ? EntryKind::Directory
                                           : EntryKind::Other;
    facts.identity = {static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
    facts.size = static_cast<std::uint64_t>(status.st_size);
    facts.links = static_cast<std::uint64_t>(status.st_nlink);
    facts.age =
        static_cast<std::int64_t>(::time(nullptr)) - static_cast<std::int64_t>(status.st_mtime);
    facts.ownedByUser = status.st_uid == ::geteuid();
    facts.ownerOnly = (status.st_mode & 077) == 0;
    // As MoveOver reads the read-only attribute Windows would have.
    facts.readOnly = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return facts;
}

bool MoveToNewNative(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        return false;
    }
    // Network file systems without it make a link, which fails on a taken name.
    if (::link(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    ::unlink(from.c_str());
    return true;
}

}  // namespace platform::posix
