#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "hostapi/BlockView.h"
#include "hostapi/SavedStatementRecords.h"
#include "hostapi/StDATAINFO.h"
#include "report/BreakdownListLayouts.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"

namespace {

using namespace breakdown;

constexpr int kFamilyEmployeeBlock = 1;
constexpr int kSalaryBlock = 2;
constexpr int kCounterpartyBlock = 3;
constexpr int kLandRentBlock = 4;
constexpr int kCustomerBlock = 6;

constexpr int kRealEstateCounterpartyBlock = 2;
constexpr int kRealEstateEmployeeBlock = 3;
constexpr int kRealEstateLandRentBlock = 4;
constexpr int kRepairBlock = 6;

constexpr int kItemLevel = 4;
constexpr int kChildLevel = 5;
constexpr char kCountAttribute[] = "COUNT";

// The named salary items after which the host keeps the others entry.
constexpr int kShortSalaryList = 3;
constexpr int kLongSalaryList = 5;

template <typename Record>
hostapi::BlockView BlockOf(const Record* record, int block) {
    return hostapi::BlockView::OfTaskMemory(record->blocks[block]);
}

// Items 1 to itemCount, each from the next entry. With `itemElements` false
// the children stand directly in the section, one level higher.
int WriteItems(XmlWriter* writer, const hostapi::BlockView& block, const ListLayout& list,
               int itemCount, bool itemElements = true) {
    if (writer == nullptr) {
        return 0;
    }
    std::string line;
    for (int n = 1; n <= itemCount; ++n) {
        if (n > list.entryLimit) {
            return 0;
        }
        const std::size_t entry = EntryAt(list.firstEntry, n - 1, list.entrySize);
        if (!itemElements) {
            if (!record::WriteChildren(*writer, block, entry, list.children, kItemLevel)) {
                return 0;
            }
            continue;
        }
        const std::string ordinal = std::to_string(n);
        if (!writer->StartElement(line, list.item, kItemLevel, kCountAttribute, ordinal.c_str()) ||
            !record::WriteChildren(*writer, block, entry, list.children, kChildLevel) ||
            !writer->EndElement(line, list.item, kItemLevel)) {
            return 0;
        }
    }
    return 1;
}

// The others line of a salary list: the number of persons, then the figures of the others entry.
int WriteOthers(XmlWriter& writer, const hostapi::BlockView& block, std::size_t personsEntry,
                const Child& persons, std::size_t othersEntry) {
    return record::WriteChild(writer, block, personsEntry, persons, kItemLevel) &&
           record::WriteChildren(writer, block, othersEntry, kOthersFigures, kItemLevel);
}

// Lines written from the whole block after the items.
int WriteTotals(XmlWriter& writer, const hostapi::BlockView& block, std::span<const Child> totals) {
    return record::WriteChildren(writer, block, 0, totals, kItemLevel);
}

}  // namespace

int ReportWriter::WriteSalaryList(XmlWriter* writer, int itemCount, int withOthers) {
    const hostapi::BlockView block = BlockOf(general, kSalaryBlock);
    if (!WriteItems(writer, block, kSalaries, itemCount)) {
        return 0;
    }
    if (!withOthers) {
        return 1;
    }
    if (itemCount != kShortSalaryList && itemCount != kLongSalaryList) {
        return 0;
    }
    const std::size_t others = EntryAt(kSalaries.firstEntry, itemCount, kSalaries.entrySize);
    return WriteOthers(*writer, block, others, kOthersPersonsInEntry, others);
}

int ReportWriter::WriteRealEstateSalaryList(XmlWriter* writer, int itemCount, int withOthers) {
    const hostapi::BlockView block = BlockOf(realEstate, kRealEstateEmployeeBlock);
    if (!WriteItems(writer, block, kRealEstateSalaries, itemCount, itemCount >= 2)) {
        return 0;
    }
    if (!withOthers) {
        return 1;
    }
    if (itemCount < 1) {
        return 0;
    }
    // The host keeps the others' figures in the second salary entry.
    const std::size_t others = EntryAt(kRealEstateSalaries.firstEntry, 1, sizeof(SalaryEntry));
    return WriteOthers(*writer, block, 0, kOthersPersonsInBlock, others);
}

int ReportWriter::WriteFamilyEmployeeList(XmlWriter* writer, const StDATAINFO* entry,
                                          int itemCount) {
    if (entry == nullptr) {
        return 0;
    }
    return WriteItems(
        writer, BlockOf(general, kFamilyEmployeeBlock),
        FamilyEmployees(hostapi::general::kFamilyEmployees, hostapi::general::kFamilyEmployeeCount,
                        entry->returnKind == hostapi::kBlueReturn),
        itemCount);
}

int ReportWriter::WriteRealEstateFamilyEmployeeList(XmlWriter* writer, const StDATAINFO* entry,
                                                    int itemCount) {
    if (entry == nullptr) {
        return 0;
    }
    return WriteItems(writer, BlockOf(realEstate, kRealEstateEmployeeBlock),
                      FamilyEmployees(hostapi::realestate::kFamilyEmployees,
                                      hostapi::realestate::kFamilyEmployeeCount,
                                      entry->returnKind == hostapi::kBlueReturn),
                      itemCount, itemCount >= 2);
}

int ReportWriter::WriteInterestList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(general, kCounterpartyBlock), kInterest, itemCount);
}

int ReportWriter::WriteLoanList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(realEstate, kRealEstateCounterpartyBlock), kLoans, itemCount);
}

int ReportWriter::WriteLandRentList(XmlWriter* writer, int itemCount) {
    return WriteItems(
        writer, BlockOf(general, kLandRentBlock),
        LandRents(hostapi::general::kLandRents, hostapi::general::kLandRentCount, false),
        itemCount);
}

int ReportWriter::WriteRealEstateLandRentList(XmlWriter* writer, const StDATAINFO* entry,
                                              int itemCount) {
    if (entry == nullptr ||
        (entry->returnKind != hostapi::kBlueReturn && entry->returnKind != hostapi::kWhiteReturn)) {
        return 0;
    }
    return WriteItems(
        writer, BlockOf(realEstate, kRealEstateLandRentBlock),
        LandRents(hostapi::realestate::kLandRents, hostapi::realestate::kLandRentCount,
                  entry->returnKind == hostapi::kBlueReturn),
        itemCount);
}

int ReportWriter::WriteTaxAccountantList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(general, kCounterpartyBlock), kTaxAccountant, itemCount);
}

int ReportWriter::WriteRealEstateTaxAccountantList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(realEstate, kRealEstateCounterpartyBlock),
                      kRealEstateTaxAccountant, itemCount);
}

int ReportWriter::WriteSalesCustomerList(XmlWriter* writer, int itemCount) {
    const hostapi::BlockView block = BlockOf(general, kCustomerBlock);
    return WriteItems(writer, block, kCustomers, itemCount) &&
           WriteTotals(*writer, block, kCustomerTotals);
}

int ReportWriter::WritePurchaseSupplierList(XmlWriter* writer, int itemCount) {
    const hostapi::BlockView block = BlockOf(general, kCustomerBlock);
    return WriteItems(writer, block, kSuppliers, itemCount) &&
           WriteTotals(*writer, block, kSupplierTotals);
}

int ReportWriter::WriteRepairList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(realEstate, kRepairBlock), kRepairs, itemCount);
}

std::string ReportWriter::FormatInteger(std::int32_t value) {
    return value == 0 ? std::string() : std::to_string(value);
}
