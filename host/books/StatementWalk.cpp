#include "books/StatementWalk.h"

#include <variant>

#include "books/HostState.h"

namespace tobra::books {
namespace {
constexpr int kNoRowBuffer = 1;
}  // namespace

const Entry* FindEntry(std::string_view dataId) {
    const Installation* books = Current();
    return books != nullptr ? books->EntryWithDataId(dataId) : nullptr;
}

const Statement* FindStatement(std::string_view dataId, StatementKind kind) {
    const Entry* entry = FindEntry(dataId);
    return entry != nullptr ? &entry->StatementOf(kind) : nullptr;
}

int StatementWalk::Count(const Statement* statement) {
    return statement != nullptr ? statement->Count() : 0;
}

int StatementWalk::First(const Statement* statement, StAOSUMINFO* row) {
    next_ = 0;
    if (statement == nullptr) {
        return hostapi::kHostNoMoreRows;
    }
    if (statement->elements.empty()) {
        return statement->firstResult;
    }
    return Reach(*statement, next_++, row);
}

int StatementWalk::Next(const Statement* statement, StAOSUMINFO* row) {
    if (statement == nullptr || next_ >= statement->elements.size()) {
        return hostapi::kHostNoMoreRows;
    }
    return Reach(*statement, next_++, row);
}

int StatementWalk::Reach(const Statement& statement, std::size_t index, StAOSUMINFO* row) {
    const StatementElement& element = statement.elements[index];
    if (const FaultMarker* fault = std::get_if<FaultMarker>(&element)) {
        return fault->result;
    }
    if (row == nullptr) {
        return kNoRowBuffer;
    }
    *row = std::get<StAOSUMINFO>(element);
    return hostapi::kHostOk;
}

int StatementWalks::Count(std::string_view dataId, std::optional<StatementKind> kind) const {
    return kind ? StatementWalk::Count(FindStatement(dataId, *kind)) : 0;
}

int StatementWalks::First(std::string_view dataId, std::optional<StatementKind> kind,
                          StAOSUMINFO* row) {
    if (!kind) {
        return hostapi::kHostNoMoreRows;
    }
    return walks_[static_cast<std::size_t>(*kind)].First(FindStatement(dataId, *kind), row);
}

int StatementWalks::Next(std::string_view dataId, std::optional<StatementKind> kind,
                         StAOSUMINFO* row) {
    if (!kind) {
        return hostapi::kHostNoMoreRows;
    }
    return walks_[static_cast<std::size_t>(*kind)].Next(FindStatement(dataId, *kind), row);
}

}  // namespace tobra::books
