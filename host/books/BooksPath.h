#pragma once

#include <string>
#include <string_view>

namespace tobra::books {

inline constexpr const char* kBooksVariable = "TOBRA_BOOKS";
inline constexpr std::string_view kBooksFileName = "Books.json";

// A books file path as a user gives it, made a path for platform::Files():
// a Windows-form path stays as it is; a native absolute POSIX path
// ("/tmp/x/Books.json", UTF-8) becomes the Windows form Wine and the POSIX
// adapter both reach it by ("Z:\tmp\x\Books.json"); a relative path is taken
// from the current folder.
std::string BooksPathFromUser(std::string_view given);

// The books file Initiate loads: the one chosen with UseBooksFile, else the
// file TOBRA_BOOKS names, else Books.json in the program's folder.
std::string BooksFilePath();

}  // namespace tobra::books
