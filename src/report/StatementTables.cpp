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
    for (reportformat::BalanceLine& line : reportformat::BalanceLines(accounts)) {
        tags_.push_back(std::move(line.tag));
        const std::uint8_t kind = line.period == reportformat::Period::AccountName ? kAccountNameRow
                                  : line.period == reportformat::Period::Opening
                                      ? kOpeningAmountRow
                                      : kClosingAmountRow;
        pending.push_back({kind, line.code});
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
