#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reportformat/Statements.h"

// The balance sheets of the blue forms as data: each account with its host
// code, the lines it gets, the side it counts on and its printed name.
namespace reportformat {

enum class Side : std::uint8_t { Assets, LiabilitiesAndCapital };

// Which lines an account gets, in this order.
enum class BalanceRows : std::uint8_t {
    Closing,             // the closing amount only
    OpeningClosing,      // opening and closing amounts
    NameOpeningClosing,  // the name the user gave it, opening and closing amounts
};

// One account, or a run of numbered spare accounts: with `spares` above 0 the
// accounts stem + firstSpare, stem + firstSpare + 1, ... take the consecutive
// codes from `code`. The form prints each side in this order.
struct BalanceAccount {
    std::int32_t code;
    const char* stem;
    BalanceRows rows;
    Side side;
    std::string_view name;  // empty for accounts the user names
    int spares = 0;
    int firstSpare = 1;
};

// Assets first, then liabilities and capital; empty for the white forms,
// which have no balance sheet.
std::span<const BalanceAccount> BalanceSheet(Form form);

// Which of an account's lines an element is.
enum class Period : std::uint8_t { Opening, Closing, AccountName };

std::string LineOf(std::string_view stem, Period period);
// The account of a balance-sheet line and which of its lines it is; nothing
// when the name ends with none of the suffixes.
struct AccountLine {
    std::string_view stem;
    Period period;
};
std::optional<AccountLine> AccountOf(std::string_view tag);

// Every line of the accounts in the form's order: a spare account's once per
// slot (its stem numbered, its host code counted on), each account's name,
// opening and closing lines as its rows say.
struct BalanceLine {
    const BalanceAccount* account;
    std::string tag;
    Period period;
    std::int32_t code;
};
std::vector<BalanceLine> BalanceLines(std::span<const BalanceAccount> accounts);

}  // namespace reportformat
