#include <io.h>
#include <stdlib.h>
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <algorithm>
#include <iostream>
#include <streambuf>
#include <string>

#include "platform/Console.h"
#include "platform/headless/ConsoleOutput.h"
#include "platform/win32/Win32Text.h"

namespace platform::console {
namespace {

// Hands the program's UTF-8 text to a console as UTF-16, so that it shows
// whatever the console's output code page is. Text waits for a line end, a
// flush or a full buffer, and a character is never split between two writes.
class Utf8ConsoleBuffer final : public std::streambuf {
public:
    explicit Utf8ConsoleBuffer(HANDLE console) : console_(console) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return sync() == 0 ? traits_type::not_eof(c) : traits_type::eof();
        }
        const char character = traits_type::to_char_type(c);
        pending_ += character;
        if ((character == '\n' || pending_.size() >= kFlushSize) && !Flush()) {
            return traits_type::eof();
        }
        return c;
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending_.append(text, static_cast<std::size_t>(count));
        const bool lineEnded = std::find(text, text + count, '\n') != text + count;
        if ((lineEnded || pending_.size() >= kFlushSize) && !Flush()) {
            return 0;
        }
        return count;
    }

    int sync() override { return Flush() ? 0 : -1; }

private:
    static constexpr std::size_t kFlushSize = 4096;
    // Large single writes are refused by older consoles.
    static constexpr int kWriteChunk = 8192;

    bool Flush() {
        const std::size_t whole = headless::WholeUtf8Length(pending_);
        if (whole == 0) {
            return true;
        }
        // Bytes that are no UTF-8 show as U+FFFD rather than being dropped.
        const int length = static_cast<int>(whole);
        const int needed = MultiByteToWideChar(CP_UTF8, 0, pending_.data(), length, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(std::max(needed, 0)), L'\0');
        bool ok = needed > 0 && MultiByteToWideChar(CP_UTF8, 0, pending_.data(), length,
                                                    wide.data(), needed) == needed;
        for (std::size_t at = 0; ok && at < wide.size();) {
            const DWORD chunk =
                static_cast<DWORD>(std::min<std::size_t>(wide.size() - at, kWriteChunk));
            DWORD written = 0;
            ok = WriteConsoleW(console_, wide.data() + at, chunk, &written, nullptr) != 0 &&
                 written > 0;
            at += written;
        }
        pending_.erase(0, whole);
        return ok;
    }

    HANDLE console_;
    std::string pending_;
};

// The stream's buffer is replaced only when the handle is a console; output
// redirected to a file or a pipe keeps its bytes.
void RouteToConsole(std::ostream& stream, DWORD standardHandle) {
    const HANDLE handle = GetStdHandle(standardHandle);
    DWORD mode = 0;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || GetConsoleMode(handle, &mode) == 0) {
        return;
    }
    stream.flush();
    // Never freed: the runtime flushes std::cout after every static object
    // of the program is gone.
    stream.rdbuf(new Utf8ConsoleBuffer(handle));
}

}  // namespace

std::string ArgumentText(std::string_view argument, bool* ok) {
    if (ok != nullptr) {
        *ok = true;
    }
    return std::string(argument);
}

bool IsTerminal(std::FILE* stream) {
    return stream != nullptr && _isatty(_fileno(stream)) != 0;
}

bool HasStream(std::FILE* stream) {
    if (stream == nullptr || _fileno(stream) < 0) {
        return false;
    }
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

int TerminalColumns(std::FILE* stream) {
    if (!IsTerminal(stream)) {
        return 0;
    }
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(handle, &info)) {
        return 0;
    }
    return info.srWindow.Right - info.srWindow.Left + 1;
}

bool OpenWithDefaultProgram(const std::string& path) {
    const std::wstring wide = win32::Widen(path);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool SetEnvironmentValue(const std::string& name, const std::string& value) {
    // Both the C runtime's copy (getenv) and the process block.
    return _putenv_s(name.c_str(), value.c_str()) == 0 &&
           SetEnvironmentVariableA(name.c_str(), value.c_str()) != 0;
}

bool PrefersJapanese() {
    constexpr UINT kJapanese = 932;
    const UINT console = GetConsoleOutputCP();
    return (console != 0 ? console : GetACP()) == kJapanese;
}

void UseUtf8Console() {
    RouteToConsole(std::cout, STD_OUTPUT_HANDLE);
    RouteToConsole(std::cerr, STD_ERROR_HANDLE);
}

}  // namespace platform::console
