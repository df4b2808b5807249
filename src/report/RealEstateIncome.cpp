#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/BlockView.h"
#include "hostapi/StDATAINFO.h"
#include "report/AccountTables.h"
#include "report/IncomeSections.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"

namespace {

constexpr int kValueLevel = 4;
constexpr int kMaxRentals = 9999;
constexpr int kLandRentItems = 2;
constexpr int kTaxAccountantItems = 2;
constexpr int kRepairItems = 3;
constexpr int kInterestBlock = 0;
constexpr int kNotesBlock = 5;
constexpr int kDeductionBlock = 0;

// What differs between the two return forms besides the sections themselves.
struct FormCounts {
    int salaryItems;
    int withOthers;
    int familyItems;
    int loanItems;
    int notesLineLength;
    int notesLineCount;
};
constexpr FormCounts kBlueCounts{2, 0, 1, 3, 30, 25};
constexpr FormCounts kWhiteCounts{1, 1, 2, 2, 60, 7};

// AOIROKOUJO_SENTAKU from the deduction chosen in the host. Without the
// general statement the choice is unknown, which fails like a byte that names
// no choice.
int WriteDeductionChoice(XmlWriter& writer, const StAOSIROSAVEINFO_IPPAN* general) {
    const hostapi::BlockView block =
        hostapi::BlockView::OfTaskMemory(general->blocks[kDeductionBlock]);
    const std::optional<std::uint8_t> byte = block.Uint8(hostapi::general::kBlueDeductionChoice);
    const BlueDeductionChoice* choice = byte ? FindBlueDeductionChoice(*byte) : nullptr;
    std::string line;
    return choice ? writer.ValueElement(line, "AOIROKOUJO_SENTAKU", choice->code, kValueLevel) : 0;
}

}  // namespace

int ReportWriter::WriteDebtInterest(XmlWriter* writer) {
    if (!writer) {
        return 0;
    }
    // Without the statement block the interest is unknown and written empty.
    const hostapi::BlockView block =
        hostapi::BlockView::OfTaskMemory(realEstate->blocks[kInterestBlock]);
    std::string line;
    return writer->ValueElement(
        line, "FUSAIRISIGAKU",
        FormatAmount(block.Int64(hostapi::realestate::kDebtInterest).value_or(0)), kValueLevel);
}

int ReportWriter::WriteRealEstateIncome(XmlWriter* writer, const StDATAINFO* entry) {
    if (!writer || !entry) {
        return 0;
    }
    const bool blue = entry->returnKind == hostapi::kBlueReturn;
    if (!blue && entry->returnKind != hostapi::kWhiteReturn) {
        // Neither form: the income element stays empty.
        return 1;
    }
    const FormCounts& counts = blue ? kBlueCounts : kWhiteCounts;
    const std::string_view notes =
        NotesText(realEstate->blocks[kNotesBlock], hostapi::realestate::kNotes,
                  hostapi::realestate::kNotesWidth);

    const IncomeSection profitAndLoss{
        section::kProfitAndLoss, [=, this] {
            if (blue) {
                return WriteAmountTable(writer, BlueRealEstateProfitAndLoss()) &&
                               WriteDeductionChoice(*writer, general) && WriteDebtInterest(writer)
                           ? 1
                           : 0;
            }
            return WriteAmountTable(writer, WhiteRealEstateProfitAndLoss()) &&
                           WriteDebtInterest(writer)
                       ? 1
                       : 0;
        }};
    const IncomeSection rentals{"FUDOUSANSYUUNYUU",
                                [=, this] { return WriteRentalList(writer, kMaxRentals); }};
    const IncomeSection salaries{section::kSalaries, [=, this] {
                                     return WriteRealEstateSalaryList(writer, counts.salaryItems,
                                                                      counts.withOthers);
                                 }};
    const IncomeSection familyEmployees{
        section::kFamilyEmployees,
        [=, this] { return WriteRealEstateFamilyEmployeeList(writer, entry, counts.familyItems); }};
    const IncomeSection landRents{
        section::kLandRents,
        [=, this] { return WriteRealEstateLandRentList(writer, entry, kLandRentItems); }};
    const IncomeSection loans{"KARIIREKINRISI",
                              [=, this] { return WriteLoanList(writer, counts.loanItems); }};
    const IncomeSection taxAccountant{
        section::kTaxAccountant,
        [=, this] { return WriteRealEstateTaxAccountantList(writer, kTaxAccountantItems); }};
    const IncomeSection specialNotes{
        section::kSpecialNotes, [=, this] {
            return WriteSpecialNotes(writer, notes, counts.notesLineLength, counts.notesLineCount);
        }};

    // The two forms share their first seven sections.
    std::vector<IncomeSection> sections = {profitAndLoss, rentals, salaries,     familyEmployees,
                                           landRents,     loans,   taxAccountant};
    if (blue) {
        sections.push_back(IncomeSection{section::kBalanceSheet, [=, this] {
                                             return WriteBalanceTable(writer,
                                                                      BlueRealEstateBalanceSheet());
                                         }});
        sections.push_back(specialNotes);
    } else {
        sections.push_back(specialNotes);
        sections.push_back(IncomeSection{
            "SYUUZENHI", [=, this] { return WriteRepairList(writer, kRepairItems); }});
        sections.push_back(
            IncomeSection{"KASITUKEFUDOUSAN", [=, this] { return WriteRentalUse(writer); }});
    }
    return WriteIncomeSections(*writer, sections);
}
