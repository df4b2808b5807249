#include "hostapi/ClAccConnect.h"

#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "books/BooksLoader.h"
#include "books/BooksPath.h"
#include "books/HostState.h"
#include "platform/text/Cp932.h"

namespace {

namespace books = tobra::books;

constexpr int kConnectFailed = 1;
constexpr int kNotConnected = 2;

// A message box answers with the button the user presses; nobody sits at the
// stand-in, so it answers with the box's default button.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
constexpr int kIdTryAgain = 10;
constexpr int kIdContinue = 11;

struct BoxButtons {
    int ids[3];
    unsigned count;
};

// Indexed by the box type in the low four bits of the flags.
constexpr BoxButtons kBoxTypes[] = {
    {{kIdOk}, 1},
    {{kIdOk, kIdCancel}, 2},
    {{kIdAbort, kIdRetry, kIdIgnore}, 3},
    {{kIdYes, kIdNo, kIdCancel}, 3},
    {{kIdYes, kIdNo}, 2},
    {{kIdRetry, kIdCancel}, 2},
    {{kIdCancel, kIdTryAgain, kIdContinue}, 3},
};
constexpr unsigned kBoxTypeMask = 0xF;
constexpr unsigned kDefaultButtonShift = 8;
constexpr unsigned kDefaultButtonMask = 0xF;

int DefaultAnswer(unsigned flags) {
    const unsigned type = flags & kBoxTypeMask;
    if (type >= std::size(kBoxTypes)) {
        return kIdOk;
    }
    const BoxButtons& box = kBoxTypes[type];
    const unsigned button = (flags >> kDefaultButtonShift) & kDefaultButtonMask;
    return box.ids[button < box.count ? button : 0];
}

// CP932 text for the UTF-8 console; bytes that do not convert pass unchanged.
std::string Shown(const std::string& cp932) {
    std::optional<std::string> utf8 = platform::cp932::ToUtf8(cp932);
    std::string text = utf8 ? *std::move(utf8) : cp932;
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            lines += text[i];
        }
    }
    return lines;
}

}  // namespace

ClAccConnect* ClAccConnect::Inst() {
    static ClAccConnect connection;
    return &connection;
}

ClAccConnect::~ClAccConnect() = default;

int ClAccConnect::SetAppType(int appType) {
    books::Recorded().appType = appType;
    return 0;
}

int ClAccConnect::SetUseDataType(int dataType) {
    books::Recorded().useDataType = dataType;
    return 0;
}

int ClAccConnect::Initiate() {
    try {
        if (books::Current() == nullptr) {
            books::LoadResult loaded = books::LoadFile(books::BooksFilePath());
            if (!loaded.books) {
                std::fprintf(stderr, "%s\n", loaded.error.c_str());
                return kConnectFailed;
            }
            books::Install(*std::move(loaded.books));
        }
        return books::Current()->ResultOf(books::Operation::Initiate);
    } catch (...) {
        return kConnectFailed;
    }
}

int ClAccConnect::ExpSysLink() {
    const books::Installation* installation = books::Current();
    return installation != nullptr ? installation->ResultOf(books::Operation::ExpSysLink)
                                   : kNotConnected;
}

int ClAccConnect::DispMsg(platform::WindowHandle owner, const char* text, const char* caption,
                          unsigned flags) {
    const int answer = DefaultAnswer(flags);
    try {
        books::DisplayedMessage message{owner, caption != nullptr ? caption : "",
                                        text != nullptr ? text : "", flags};
        std::string shown = "[" + Shown(message.caption) + "]\n" + Shown(message.text);
        if (shown.back() != '\n') {
            shown += '\n';
        }
        shown += '\n';
        std::fputs(shown.c_str(), stderr);
        books::Recorded().messages.push_back(std::move(message));
    } catch (...) {
        // The user still answers a box the log could not keep.
    }
    return answer;
}

int ClAccConnect::LogOut() {
    return 0;
}

int ClAccConnect::Terminate() {
    return 0;
}

int ClAccConnect::Release() {
    books::Forget();
    return 0;
}
