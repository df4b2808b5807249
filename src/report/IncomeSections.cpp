#include "report/IncomeSections.h"

#include "hostapi/BlockView.h"
#include "hostapi/StDATAINFO.h"
#include "report/AccountTables.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "reportformat/Sections.h"

using reportformat::Content;
using reportformat::Form;
using reportformat::SectionSpec;

namespace {
constexpr int kNotesBlock = 5;
}  // namespace

std::string_view NotesText(const void* block, std::size_t offset, std::size_t width) {
    // Like every field, notes that do not fit whole in the delivered block are
    // absent: a cut block may end inside a character.
    return hostapi::BlockView::OfTaskMemory(block).Text(offset, width).value_or(std::string_view());
}

int ReportWriter::WriteBusinessIncome(XmlWriter* writer, const StDATAINFO* entry) {
    if (!writer || !entry) {
        return 0;
    }
    switch (entry->returnKind) {
        case hostapi::kBlueReturn:
            return WriteSections(writer, entry, Form::BlueBusiness);
        case hostapi::kWhiteReturn:
            return WriteSections(writer, entry, Form::WhiteBusiness);
        default:
            // Neither form: the income element stays empty.
            return 1;
    }
}

int ReportWriter::WriteRealEstateIncome(XmlWriter* writer, const StDATAINFO* entry) {
    if (!writer || !entry) {
        return 0;
    }
    switch (entry->returnKind) {
        case hostapi::kBlueReturn:
            return WriteSections(writer, entry, Form::BlueRealEstate);
        case hostapi::kWhiteReturn:
            return WriteSections(writer, entry, Form::WhiteRealEstate);
        default:
            return 1;
    }
}

// Each section of the form as start element, content and end element; 0 at
// the first failure, leaving that section open and the rest unwritten.
int ReportWriter::WriteSections(XmlWriter* writer, const StDATAINFO* entry, Form form) {
    for (const SectionSpec& spec : reportformat::SectionsOf(form)) {
        if (!writer->Start(spec.tag) || !WriteSectionContent(writer, entry, form, spec) ||
            !writer->End()) {
            return 0;
        }
    }
    return 1;
}

int ReportWriter::WriteSectionContent(XmlWriter* writer, const StDATAINFO* entry, Form form,
                                      const SectionSpec& spec) {
    const bool forRealEstate = reportformat::IsRealEstate(form);
    const int items = spec.items;
    switch (spec.content) {
        case Content::ProfitAndLoss:
            if (!WriteAmountTable(writer, ProfitAndLossRows(form))) {
                return 0;
            }
            if (form == Form::BlueRealEstate && !WriteDeductionChoice(writer)) {
                return 0;
            }
            return forRealEstate ? WriteDebtInterest(writer) : 1;
        case Content::Monthly:
            return WriteMonthly(writer);
        case Content::Salaries: {
            const int withOthers = spec.beside.empty() ? 0 : 1;
            return forRealEstate ? WriteRealEstateSalaryList(writer, items, withOthers)
                                 : WriteSalaryList(writer, items, withOthers);
        }
        case Content::FamilyEmployees:
            return forRealEstate ? WriteRealEstateFamilyEmployeeList(writer, entry, items)
                                 : WriteFamilyEmployeeList(writer, entry, items);
        case Content::BadDebtReserve:
            return WriteBadDebtReserve(writer);
        case Content::BlueDeduction:
            return WriteBlueDeduction(writer);
        case Content::Interest:
            return WriteInterestList(writer, items);
        case Content::LandRents:
            return forRealEstate ? WriteRealEstateLandRentList(writer, entry, items)
                                 : WriteLandRentList(writer, items);
        case Content::TaxAccountant:
            return forRealEstate ? WriteRealEstateTaxAccountantList(writer, items)
                                 : WriteTaxAccountantList(writer, items);
        case Content::SpecialNotes: {
            const std::string_view notes =
                forRealEstate
                    ? NotesText(realEstate->blocks[kNotesBlock], hostapi::realestate::kNotes,
                                hostapi::realestate::kNotesWidth)
                    : NotesText(general->blocks[kNotesBlock], hostapi::general::kNotes,
                                hostapi::general::kNotesWidth);
            return WriteSpecialNotes(writer, notes, spec.lineLength, spec.lineCount);
        }
        case Content::BalanceSheet:
            return WriteBalanceTable(writer, BalanceSheetRows(form));
        case Content::ManufacturingCost:
            return WriteAmountTable(writer, ManufacturingCostRows());
        case Content::Association:
            return WriteAssociationName(writer);
        case Content::Customers:
            return WriteSalesCustomerList(writer, items);
        case Content::Suppliers:
            return WritePurchaseSupplierList(writer, items);
        case Content::Rentals:
            return WriteRentalList(writer, items);
        case Content::Loans:
            return WriteLoanList(writer, items);
        case Content::Repairs:
            return WriteRepairList(writer, items);
        case Content::RentalUse:
            return WriteRentalUse(writer);
    }
    return 0;
}
