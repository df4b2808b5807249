#include "books/HostState.h"

#include <utility>

#include "books/BooksLoader.h"

namespace tobra::books {
namespace {

struct HostState {
    std::optional<Installation> installation;
    std::optional<std::string> booksFile;
    RecordedCalls recorded;
};

HostState& State() {
    static HostState state;
    return state;
}

}  // namespace

const Installation* Current() {
    const std::optional<Installation>& installation = State().installation;
    return installation ? &*installation : nullptr;
}

void Install(Installation books) {
    State().installation = std::move(books);
}

std::string InstallText(std::string_view json, std::string_view name) {
    LoadResult loaded = LoadText(json, name);
    if (loaded.books) {
        Install(*std::move(loaded.books));
    }
    return loaded.error;
}

void Forget() {
    State().installation.reset();
}

void UseBooksFile(std::optional<std::string> path) {
    State().booksFile = std::move(path);
}

const std::optional<std::string>& ChosenBooksFile() {
    return State().booksFile;
}

RecordedCalls& Recorded() {
    return State().recorded;
}

void Reset() {
    State() = HostState{};
}

}  // namespace tobra::books
