#include <array>

#include "hostapi/StDATAINFO.h"
#include "report/AccountTables.h"
#include "report/IncomeSections.h"
#include "report/ReportWriter.h"

namespace {

// Item counts of the lists, by return form.
constexpr int kBlueSalaryItems = 5;
constexpr int kWhiteSalaryItems = 3;
constexpr int kBlueFamilyItems = 5;
constexpr int kWhiteFamilyItems = 3;
constexpr int kInterestItems = 2;
constexpr int kLandRentItems = 2;
constexpr int kTaxAccountantItems = 2;
constexpr int kCustomerItems = 4;
constexpr int kWithOthers = 1;
constexpr int kNotesLineLength = 60;
constexpr int kBlueNotesLines = 5;
constexpr int kWhiteNotesLines = 9;
constexpr int kNotesBlock = 5;

}  // namespace

int ReportWriter::WriteBusinessIncome(XmlWriter* writer, const StDATAINFO* entry) {
    if (!writer || !entry) {
        return 0;
    }
    const std::string_view notes = NotesText(general->blocks[kNotesBlock], hostapi::general::kNotes,
                                             hostapi::general::kNotesWidth);
    const auto notesSection = [&](int lineCount) {
        return IncomeSection{
            section::kSpecialNotes,
            [=, this] { return WriteSpecialNotes(writer, notes, kNotesLineLength, lineCount); }};
    };
    const auto salaries = [&](int itemCount) {
        return IncomeSection{section::kSalaries,
                             [=, this] { return WriteSalaryList(writer, itemCount, kWithOthers); }};
    };
    const auto familyEmployees = [&](int itemCount) {
        return IncomeSection{section::kFamilyEmployees, [=, this] {
                                 return WriteFamilyEmployeeList(writer, entry, itemCount);
                             }};
    };
    const IncomeSection interest{"RISIWARIBIKIRYOU",
                                 [=, this] { return WriteInterestList(writer, kInterestItems); }};
    const IncomeSection landRents{section::kLandRents,
                                  [=, this] { return WriteLandRentList(writer, kLandRentItems); }};
    const IncomeSection taxAccountant{
        section::kTaxAccountant,
        [=, this] { return WriteTaxAccountantList(writer, kTaxAccountantItems); }};
    const IncomeSection association{"OTHER", [=, this] { return WriteAssociationName(writer); }};

    switch (entry->returnKind) {
        case hostapi::kBlueReturn: {
            const std::array sections = {
                IncomeSection{
                    section::kProfitAndLoss,
                    [=, this] { return WriteAmountTable(writer, BlueBusinessProfitAndLoss()); }},
                IncomeSection{"TUKIBETUURIAGESHIIRE", [=, this] { return WriteMonthly(writer); }},
                salaries(kBlueSalaryItems),
                familyEmployees(kBlueFamilyItems),
                IncomeSection{"KASIDAOREKURIIRE",
                              [=, this] { return WriteBadDebtReserve(writer); }},
                IncomeSection{"AOIROKOUJO", [=, this] { return WriteBlueDeduction(writer); }},
                interest,
                landRents,
                taxAccountant,
                notesSection(kBlueNotesLines),
                IncomeSection{
                    section::kBalanceSheet,
                    [=, this] { return WriteBalanceTable(writer, BlueBusinessBalanceSheet()); }},
                // Written for every blue return: without manufacturing rows its values are empty.
                IncomeSection{"SEIZOUGENKA",
                              [=, this] { return WriteAmountTable(writer, ManufacturingCost()); }},
                association,
            };
            return WriteIncomeSections(*writer, sections);
        }
        case hostapi::kWhiteReturn: {
            const std::array sections = {
                IncomeSection{section::kProfitAndLoss,
                              [=, this] { return WriteAmountTable(writer, WhiteProfitAndLoss()); }},
                salaries(kWhiteSalaryItems),
                familyEmployees(kWhiteFamilyItems),
                interest,
                landRents,
                taxAccountant,
                notesSection(kWhiteNotesLines),
                IncomeSection{"URIAGEMEISAI",
                              [=, this] { return WriteSalesCustomerList(writer, kCustomerItems); }},
                IncomeSection{
                    "SIIREMEISAI",
                    [=, this] { return WritePurchaseSupplierList(writer, kCustomerItems); }},
                association,
            };
            return WriteIncomeSections(*writer, sections);
        }
        default:
            // Neither form: the income element stays empty.
            return 1;
    }
}
