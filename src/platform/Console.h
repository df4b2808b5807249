#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// What a console front end needs from the system.
namespace platform::console {

// A command-line argument as the program's Shift_JIS text: Windows hands it
// over in code page 932 already, POSIX systems in UTF-8. A text that cannot
// be converted comes back empty, with `ok` (when given) set false.
std::string ArgumentText(std::string_view argument, bool* ok = nullptr);

// Whether the stream is a terminal a person can answer at.
bool IsTerminal(std::FILE* stream);

// Whether the stream leads anywhere (a terminal, a file, a pipe); false in a
// process started without it, as a Windows program started from Explorer or
// a detached process is.
bool HasStream(std::FILE* stream);

// Columns of the terminal the stream writes to; 0 when it is none.
int TerminalColumns(std::FILE* stream);

// Opens the file at `path` (the program's path form) in the program the
// system opens its type with: a web browser for a page. False when that
// program could not be started.
bool OpenWithDefaultProgram(const std::string& path);

// Sets a variable of the process environment; false when it cannot be set.
bool SetEnvironmentValue(const std::string& name, const std::string& value);

// Whether the person at the console reads Japanese: a console in code page 932
// on Windows (the system's code page when there is no console), a locale
// starting "ja" on POSIX systems (LC_ALL, else LC_MESSAGES, else LANG).
bool PrefersJapanese();

// The language of the console's lines: what the front end chose (--lang),
// else Japanese where the console prefers it and English elsewhere. Both
// puts each line in Japanese and then in English.
enum class Language { Japanese, English, Both };
Language LinesLanguage();
void SetLinesLanguage(Language language);

// The program writes UTF-8 to std::cout and std::cerr. A Windows console would
// read those bytes in its own output code page, so where a stream is a console
// its text goes to the console as UTF-16 instead; redirected output stays UTF-8
// bytes. POSIX terminals take UTF-8 as it is. Call once, before any output.
void UseUtf8Console();

}  // namespace platform::console
