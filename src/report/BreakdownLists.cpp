#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "hostapi/BlockView.h"
#include "hostapi/SavedStatementRecords.h"
#include "hostapi/StDATAINFO.h"
#include "report/RecordFields.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "reportformat/Elements.h"
#include "reportformat/Records.h"

namespace {

using reportformat::Child;
using reportformat::EntryAt;
using reportformat::ListLayout;

constexpr int kFamilyEmployeeBlock = 1;
constexpr int kSalaryBlock = 2;
constexpr int kCounterpartyBlock = 3;
constexpr int kLandRentBlock = 4;
constexpr int kCustomerBlock = 6;

constexpr int kRealEstateCounterpartyBlock = 2;
constexpr int kRealEstateEmployeeBlock = 3;
constexpr int kRealEstateLandRentBlock = 4;
constexpr int kRepairBlock = 6;

// The named salary items after which the host keeps the others entry.
constexpr int kShortSalaryList = 3;
constexpr int kLongSalaryList = 5;

template <typename Record>
hostapi::BlockView BlockOf(const Record* record, int block) {
    return hostapi::BlockView::OfTaskMemory(record->blocks[block]);
}

// Items 1 to itemCount, each from the next entry. With `itemElements` false
// the children stand directly in the section.
int WriteItems(XmlWriter* writer, const hostapi::BlockView& block, const ListLayout& list,
               int itemCount, bool itemElements = true) {
    if (writer == nullptr) {
        return 0;
    }
    for (int n = 1; n <= itemCount; ++n) {
        if (n > list.entryLimit) {
            return 0;
        }
        const std::size_t entry = EntryAt(list.firstEntry, n - 1, list.entrySize);
        if (!itemElements) {
            if (!record::WriteChildren(*writer, block, entry, list.children)) {
                return 0;
            }
            continue;
        }
        const std::string ordinal = std::to_string(n);
        if (!writer->Start(list.item, reportformat::envelope::kCount, ordinal.c_str()) ||
            !record::WriteChildren(*writer, block, entry, list.children) || !writer->End()) {
            return 0;
        }
    }
    return 1;
}

// The others line of a salary list: the number of persons, then the figures of the others entry.
int WriteOthers(XmlWriter& writer, const hostapi::BlockView& block, std::size_t personsEntry,
                std::span<const Child> others, std::size_t othersEntry) {
    return record::WriteChild(writer, block, personsEntry, others.front()) &&
           record::WriteChildren(writer, block, othersEntry, others.subspan(1));
}

}  // namespace

int ReportWriter::WriteSalaryList(XmlWriter* writer, int itemCount, int withOthers) {
    const hostapi::BlockView block = BlockOf(general, kSalaryBlock);
    const ListLayout& list = reportformat::kSalaryList;
    if (!WriteItems(writer, block, list, itemCount)) {
        return 0;
    }
    if (!withOthers) {
        return 1;
    }
    if (itemCount != kShortSalaryList && itemCount != kLongSalaryList) {
        return 0;
    }
    const std::size_t others = EntryAt(list.firstEntry, itemCount, list.entrySize);
    return WriteOthers(*writer, block, others, reportformat::SalaryOthers(false), others);
}

int ReportWriter::WriteRealEstateSalaryList(XmlWriter* writer, int itemCount, int withOthers) {
    const hostapi::BlockView block = BlockOf(realEstate, kRealEstateEmployeeBlock);
    const ListLayout& list = reportformat::kRealEstateSalaryList;
    if (!WriteItems(writer, block, list, itemCount, itemCount >= 2)) {
        return 0;
    }
    if (!withOthers) {
        return 1;
    }
    if (itemCount < 1) {
        return 0;
    }
    // The host keeps the others' figures in the second salary entry.
    const std::size_t others = EntryAt(list.firstEntry, 1, list.entrySize);
    return WriteOthers(*writer, block, 0, reportformat::SalaryOthers(true), others);
}

int ReportWriter::WriteFamilyEmployeeList(XmlWriter* writer, const StDATAINFO* entry,
                                          int itemCount) {
    if (entry == nullptr) {
        return 0;
    }
    return WriteItems(writer, BlockOf(general, kFamilyEmployeeBlock),
                      entry->returnKind == hostapi::kBlueReturn ? reportformat::kBlueFamilyList
                                                                : reportformat::kWhiteFamilyList,
                      itemCount);
}

int ReportWriter::WriteRealEstateFamilyEmployeeList(XmlWriter* writer, const StDATAINFO* entry,
                                                    int itemCount) {
    if (entry == nullptr) {
        return 0;
    }
    return WriteItems(writer, BlockOf(realEstate, kRealEstateEmployeeBlock),
                      entry->returnKind == hostapi::kBlueReturn
                          ? reportformat::kRealEstateBlueFamilyList
                          : reportformat::kRealEstateWhiteFamilyList,
                      itemCount, itemCount >= 2);
}

int ReportWriter::WriteInterestList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(general, kCounterpartyBlock), reportformat::kInterestList,
                      itemCount);
}

int ReportWriter::WriteLoanList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(realEstate, kRealEstateCounterpartyBlock),
                      reportformat::kLoanList, itemCount);
}

int ReportWriter::WriteLandRentList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(general, kLandRentBlock), reportformat::kLandRentList,
                      itemCount);
}

int ReportWriter::WriteRealEstateLandRentList(XmlWriter* writer, const StDATAINFO* entry,
                                              int itemCount) {
    if (entry == nullptr ||
        (entry->returnKind != hostapi::kBlueReturn && entry->returnKind != hostapi::kWhiteReturn)) {
        return 0;
    }
    return WriteItems(writer, BlockOf(realEstate, kRealEstateLandRentBlock),
                      entry->returnKind == hostapi::kBlueReturn
                          ? reportformat::kRealEstateBlueLandRentList
                          : reportformat::kRealEstateWhiteLandRentList,
                      itemCount);
}

int ReportWriter::WriteTaxAccountantList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(general, kCounterpartyBlock),
                      reportformat::kTaxAccountantList, itemCount);
}

int ReportWriter::WriteRealEstateTaxAccountantList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(realEstate, kRealEstateCounterpartyBlock),
                      reportformat::kRealEstateTaxAccountantList, itemCount);
}

int ReportWriter::WriteSalesCustomerList(XmlWriter* writer, int itemCount) {
    const hostapi::BlockView block = BlockOf(general, kCustomerBlock);
    return WriteItems(writer, block, reportformat::kCustomerList, itemCount) &&
           record::WriteChildren(*writer, block, 0, reportformat::CustomerTotals());
}

int ReportWriter::WritePurchaseSupplierList(XmlWriter* writer, int itemCount) {
    const hostapi::BlockView block = BlockOf(general, kCustomerBlock);
    return WriteItems(writer, block, reportformat::kSupplierList, itemCount) &&
           record::WriteChildren(*writer, block, 0, reportformat::SupplierTotals());
}

int ReportWriter::WriteRepairList(XmlWriter* writer, int itemCount) {
    return WriteItems(writer, BlockOf(realEstate, kRepairBlock), reportformat::kRepairList,
                      itemCount);
}

std::string ReportWriter::FormatInteger(std::int32_t value) {
    return value == 0 ? std::string() : std::to_string(value);
}
