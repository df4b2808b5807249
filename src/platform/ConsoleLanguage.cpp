#include <optional>

#include "platform/Console.h"

namespace platform::console {
namespace {

std::optional<Language>& Chosen() {
    static std::optional<Language> chosen;
    return chosen;
}

}  // namespace

Language LinesLanguage() {
    if (!Chosen()) {
        Chosen() = PrefersJapanese() ? Language::Japanese : Language::English;
    }
    return *Chosen();
}

void SetLinesLanguage(Language language) {
    Chosen() = language;
}

}  // namespace platform::console
