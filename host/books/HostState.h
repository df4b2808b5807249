#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "books/Installation.h"
#include "platform/WindowHandle.h"

// The installation the stand-in host answers from, and what the program told
// the host. Tests set up a host here without any file.
namespace tobra::books {

// The name a books file loaded from text goes by, unless the test gives one.
inline constexpr std::string_view kInlineBooksName = "Z:\\books\\Books.json";

// Null until Initiate loaded a books file or a test installed one.
const Installation* Current();
void Install(Installation books);
// Loads `json` as the books file `name` and installs it; the refusal
// message, or an empty text when it was installed.
std::string InstallText(std::string_view json, std::string_view name = kInlineBooksName);
// What Release does: the next Initiate loads the books file again.
void Forget();

// The books file Initiate loads (Windows form), instead of TOBRA_BOOKS or
// Books.json beside the program; nullopt returns to those.
void UseBooksFile(std::optional<std::string> path);
const std::optional<std::string>& ChosenBooksFile();

struct DisplayedMessage {
    platform::WindowHandle owner = 0;
    std::string caption;  // CP932, as the program passed them
    std::string text;
    unsigned flags = 0;
};

struct RecordedCalls {
    std::optional<int> appType;              // ClAccConnect::SetAppType
    std::optional<int> useDataType;          // ClAccConnect::SetUseDataType
    std::vector<DisplayedMessage> messages;  // ClAccConnect::DispMsg
};
RecordedCalls& Recorded();

// Back to a host that has loaded nothing and was told nothing.
void Reset();

}  // namespace tobra::books
