#include "hostapi/ClAccConnect.h"

#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "books/BooksLoader.h"
#include "books/BooksPath.h"
#include "books/HostState.h"
#include "platform/Console.h"
#include "platform/WindowSystem.h"
#include "platform/text/Cp932.h"
#include "platform/text/TerminalText.h"

namespace {

namespace books = tobra::books;

constexpr int kConnectFailed = 1;
constexpr int kNotConnected = 2;

// Why the host could not connect: on standard error where the program has one
// (the console front end, scripts), else in a message box, as the host's
// library tells a Windows program started from Explorer.
void TellConnectFailure(const books::LoadResult& loaded, const char* caption) {
    if (platform::console::HasStream(stderr)) {
        // One line in the console's language; it quotes the file's own bytes,
        // which reach a terminal as text only.
        std::string japanese;
        for (std::size_t at = 0; at < loaded.japanese.size(); ++at) {
            const bool paragraph = loaded.japanese.compare(at, 2, "\n\n") == 0;
            japanese += paragraph ? ' ' : loaded.japanese[at];
            at += paragraph ? 1 : 0;
        }
        using platform::console::Language;
        const Language language = platform::console::LinesLanguage();
        const std::string line = language == Language::English    ? loaded.error
                                 : language == Language::Japanese ? japanese
                                                                  : japanese + "\n" + loaded.error;
        std::cerr << platform::text::ForTerminal(line) << '\n';
        return;
    }
    const std::optional<std::string> text = platform::cp932::FromUtf8(loaded.japanese);
    const std::optional<std::string> fallback = platform::cp932::FromUtf8("所得税");
    platform::Windows().ShowMessageBox(0, text.value_or(loaded.error),
                                       caption[0] != '\0' ? caption : fallback.value_or(""),
                                       platform::kMbIconExclamation | platform::kMbOk);
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
                TellConnectFailure(loaded, m_szAppTitle);
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

// The host shows its messages as message boxes: through the program's window
// system, which is a real box in the Windows programs and a block on stderr in
// the console front end.
int ClAccConnect::DispMsg(platform::WindowHandle owner, const char* text, const char* caption,
                          unsigned flags) {
    const std::string shownText = text != nullptr ? text : "";
    const std::string shownCaption = caption != nullptr ? caption : "";
    try {
        books::Recorded().messages.push_back({owner, shownCaption, shownText, flags});
    } catch (...) {
        // The user still sees a box the log could not keep.
    }
    return platform::Windows().ShowMessageBox(owner, shownText, shownCaption, flags);
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
