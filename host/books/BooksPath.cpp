#include "books/BooksPath.h"

#include <cstdlib>
#include <optional>

#include "books/HostState.h"
#include "platform/FileSystem.h"
#include "platform/text/Cp932.h"
#include "platform/text/PathPieces.h"

namespace tobra::books {
namespace {

// Wine maps the POSIX root to drive Z:, and the POSIX adapter does the same.
constexpr std::string_view kPosixRootDrive = "Z:";

bool IsAbsoluteWindowsPath(std::string_view path) {
    const bool driveLetter =
        path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return driveLetter || (!path.empty() && path[0] == '\\');
}

std::string WithBackslashes(std::string path) {
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

}  // namespace

std::string BooksPathFromUser(std::string_view given) {
    if (!given.empty() && given[0] == '/') {
        const std::optional<std::string> cp932 = platform::cp932::FromUtf8(given);
        return std::string(kPosixRootDrive) + WithBackslashes(cp932 ? *cp932 : std::string(given));
    }
    if (given.empty() || IsAbsoluteWindowsPath(given)) {
        return std::string(given);
    }
    std::string folder = platform::Files().CurrentFolder();
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
    return folder + WithBackslashes(std::string(given));
}

std::string BooksFilePath() {
    if (const std::optional<std::string>& chosen = ChosenBooksFile()) {
        return *chosen;
    }
    const char* variable = std::getenv(kBooksVariable);
    if (variable != nullptr && *variable != '\0') {
        return BooksPathFromUser(variable);
    }
    return platform::FolderOf(platform::Files().ModuleFilePath()) + std::string(kBooksFileName);
}

}  // namespace tobra::books
