#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "books/Installation.h"

namespace tobra::books {

// The entry of the current installation with this data identifier, or null.
const Entry* FindEntry(std::string_view dataId);
// Its statement of this kind; null (an empty statement) when there is no such entry.
const Statement* FindStatement(std::string_view dataId, StatementKind kind);

// Where one of the host's walks over a statement stands. A null statement is
// empty: no rows, first result 5000.
class StatementWalk {
public:
    static int Count(const Statement* statement);
    // The first element: a row delivered (0), or a fault marker's result.
    int First(const Statement* statement, StAOSUMINFO* row);
    // The element after the one the last call reached; 5000 past the last.
    int Next(const Statement* statement, StAOSUMINFO* row);

private:
    int Reach(const Statement& statement, std::size_t index, StAOSUMINFO* row);

    std::size_t next_ = 0;
};

// The walks of one summation-rules object: each statement has its own
// position. No kind (an unknown sum type) is an empty statement.
class StatementWalks {
public:
    int Count(std::string_view dataId, std::optional<StatementKind> kind) const;
    int First(std::string_view dataId, std::optional<StatementKind> kind, StAOSUMINFO* row);
    int Next(std::string_view dataId, std::optional<StatementKind> kind, StAOSUMINFO* row);

private:
    std::array<StatementWalk, kStatementKindCount> walks_;
};

}  // namespace tobra::books
