#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "books/Installation.h"

namespace tobra::books {

struct LoadResult {
    std::optional<Installation> books;
    // Why the file was refused, in UTF-8: "books file NAME: JSON PATH: problem".
    std::string error;
    // The same for a message box, in Japanese (UTF-8): what is wrong, the
    // file's path, and the problem as `error` states it.
    std::string japanese;
};

// Where a books file could be read more than one way, the loader is strict, so that a test
// never runs on a host other than the one its file seems to describe:
// - a `size` larger than the block is refused; 0 gives a block of no bytes;
// - null stands for "absent" only as a saved-statement block, elsewhere it is
//   a wrong type; JSON numbers with a fraction are never integers or amounts;
// - a fault marker {"result": r} takes no other key;
// - `user` and `appFolders` take {"hex": ...} like any text; the folders are
//   taken as they are, with or without their trailing backslash;
// - every entry field is optional (a zero-filled entry is what a damaged host
//   delivers), and a statement object without `rows` has no rows.
//
// `name` is the path of the books file (Windows form, CP932): the messages
// name it, and its folder is the default of `appFolders`.
LoadResult LoadText(std::string_view json, std::string_view name);
// Reads the file through platform::Files().
LoadResult LoadFile(const std::string& path);

}  // namespace tobra::books
