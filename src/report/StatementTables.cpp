#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "report/AccountTables.h"
#include "reportformat/Elements.h"
#include "reportformat/ValueTables.h"

using reportformat::BalanceAccount;
using reportformat::BalanceRows;
using reportformat::Form;
using reportformat::StatementLine;

AmountTable::AmountTable(std::span<const StatementLine> lines) {
    // Lines written from elsewhere (another section's, the notes beside the
    // statement) have no summary code.
    for (const StatementLine& line : lines) {
        if (line.tag != nullptr && line.code != reportformat::kNoCode) {
            tags_.push_back(line.Tag());
        }
    }
    // The tags are complete, so the pointers into them stay valid.
    std::size_t next = 0;
    for (const StatementLine& line : lines) {
        if (line.tag != nullptr && line.code != reportformat::kNoCode) {
            rows_.push_back({tags_[next++].c_str(), line.code, line.named ? 1 : 0});
        }
    }
}

BalanceSheetTable::BalanceSheetTable(std::span<const BalanceAccount> accounts) {
    struct Pending {
        std::uint8_t kind;
        std::int32_t code;
    };
    std::vector<Pending> pending;
    const auto add = [&](const std::string& stem, reportformat::Period period, std::uint8_t kind,
                         std::int32_t code) {
        tags_.push_back(reportformat::LineOf(stem, period));
        pending.push_back({kind, code});
    };
    for (const BalanceAccount& account : accounts) {
        const int count = account.spares > 0 ? account.spares : 1;
        for (int n = 0; n < count; ++n) {
            const std::string stem = account.spares > 0
                                         ? account.stem + std::to_string(account.firstSpare + n)
                                         : std::string(account.stem);
            const std::int32_t code = account.code + n;
            if (account.rows == BalanceRows::NameOpeningClosing) {
                add(stem, reportformat::Period::AccountName, kAccountNameRow, code);
            }
            if (account.rows != BalanceRows::Closing) {
                add(stem, reportformat::Period::Opening, kOpeningAmountRow, code);
            }
            add(stem, reportformat::Period::Closing, kClosingAmountRow, code);
        }
    }
    rows_.reserve(tags_.size());
    for (std::size_t i = 0; i < tags_.size(); ++i) {
        const std::int32_t flag = pending[i].kind == kAccountNameRow ? 1 : 0;
        rows_.push_back({tags_[i].c_str(), pending[i].kind, pending[i].code, flag});
    }
}

std::span<const AmountTableRow> ProfitAndLossRows(Form form) {
    static const std::array<AmountTable, 4> tables = {
        AmountTable(reportformat::ProfitAndLoss(Form::BlueBusiness)),
        AmountTable(reportformat::ProfitAndLoss(Form::WhiteBusiness)),
        AmountTable(reportformat::ProfitAndLoss(Form::BlueRealEstate)),
        AmountTable(reportformat::ProfitAndLoss(Form::WhiteRealEstate))};
    return tables[static_cast<std::size_t>(form)].Rows();
}

std::span<const AmountTableRow> ManufacturingCostRows() {
    static const AmountTable table(reportformat::ManufacturingCost(Form::BlueBusiness));
    return table.Rows();
}

std::span<const BalanceTableRow> BalanceSheetRows(Form form) {
    static const BalanceSheetTable business(reportformat::BalanceSheet(Form::BlueBusiness));
    static const BalanceSheetTable realEstate(reportformat::BalanceSheet(Form::BlueRealEstate));
    if (!reportformat::IsBlue(form)) {
        return {};
    }
    return reportformat::IsRealEstate(form) ? realEstate.Rows() : business.Rows();
}

std::span<const std::string> MonthlyTags() {
    static const std::vector<std::string> tags = [] {
        std::vector<std::string> all;
        for (const reportformat::MonthlyRun& run : reportformat::MonthlyTable()) {
            if (run.months == 0) {
                all.emplace_back(run.tag);
            }
            for (int month = 1; month <= run.months; ++month) {
                all.push_back(run.tag + std::to_string(month));
            }
        }
        return all;
    }();
    return tags;
}
