#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "hostapi/BlockView.h"
#include "report/Amount4.h"
#include "report/RecordFields.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"

namespace {

constexpr int kItemLevel = 4;
constexpr int kValueLevel = 5;
constexpr int kUseLevel = 4;
constexpr int kRentalBlock = 1;
constexpr int kUseBlock = 7;
constexpr int kHalfUp = 0;
constexpr char kRentalItem[] = "FUDOUSAN_UTIWAKE";

using record::AmountChild;
using record::AreaChild;
using record::Child;
using record::EmptyChild;
using record::IntegerChild;
using record::MonthChild;
using record::TextChild;

#define BRENLO_FIELD(Record, member) offsetof(Record, member), sizeof(Record::member)

constexpr Child kRentalFields[] = {
    TextChild("KASIYA_KASITI", BRENLO_FIELD(RentalEntry, houseOrLand), 10),
    TextChild("YOUTO", BRENLO_FIELD(RentalEntry, use), 12),
    TextChild("SYOZAITI_JOUDAN", BRENLO_FIELD(RentalEntry, location), 30),
    EmptyChild("SYOZAITI_GEDAN"),
    TextChild("JUUSYO_SIMEI_JOUDAN", BRENLO_FIELD(RentalEntry, tenantAddress), 30),
    TextChild("JUUSYO_SIMEI_GEDAN", BRENLO_FIELD(RentalEntry, tenantName), 30),
    MonthChild("KEIYAKUKIKAN_FROM", offsetof(RentalEntry, contractFrom)),
    MonthChild("KEIYAKUKIKAN_TO", offsetof(RentalEntry, contractTo)),
    AreaChild("KASITUKEMENSEKI", offsetof(RentalEntry, area)),
    AmountChild("TINTAIRYOU_TUKIGAKU", offsetof(RentalEntry, monthlyRent)),
    AmountChild("TINTAIRYOU_NENGAKU", offsetof(RentalEntry, yearlyRent)),
    AmountChild("REIKIN", offsetof(RentalEntry, gratuity)),
    AmountChild("KENRIKIN", offsetof(RentalEntry, keyMoney)),
    AmountChild("KOUSINRYOU", offsetof(RentalEntry, renewalFee)),
    AmountChild("MEIGISYOKANRYOU_SONOTA", offsetof(RentalEntry, transferFeeOther)),
    AmountChild("HOSYOUKIN_SIKIKIN", offsetof(RentalEntry, deposit)),
};

#undef BRENLO_FIELD

constexpr Child kUseFields[] = {
    IntegerChild("JUUTAKU_TATEMONO_IKKODATE", offsetof(RentalUseSummary, housingDetached)),
    IntegerChild("JUUTAKU_TATEMONO_IKKODATEIGAI",
                 offsetof(RentalUseSummary, housingOtherBuildings)),
    IntegerChild("JUUTAKU_TOTI_KEIYAKU", offsetof(RentalUseSummary, housingLandContracts)),
    AreaChild("JUUTAKU_TOTI_SOUMENSEKI", offsetof(RentalUseSummary, housingLandArea)),
    IntegerChild("JUUTAKUIGAI_TATEMONO_IKKODATE", offsetof(RentalUseSummary, otherDetached)),
    IntegerChild("JUUTAKUIGAI_TATEMONO_IKKODATEIGAI", offsetof(RentalUseSummary, otherBuildings)),
    IntegerChild("JUUTAKUIGAI_TOTI_KEIYAKU", offsetof(RentalUseSummary, otherLandContracts)),
    AreaChild("JUUTAKUIGAI_TOTI_SOUMENSEKI", offsetof(RentalUseSummary, otherLandArea)),
    IntegerChild("CHUUSYAJOU_YANETUKI", offsetof(RentalUseSummary, parkingRoofed)),
    IntegerChild("CHUUSYAJOU_AOZORA", offsetof(RentalUseSummary, parkingOpen)),
};

}  // namespace

int ReportWriter::WriteRentalList(XmlWriter* writer, int maxItems) {
    if (!writer) {
        return 0;
    }
    // An absent statement has no properties; a block the host ended without
    // its marker ends with the last entry it holds whole.
    const hostapi::BlockView block =
        hostapi::BlockView::OfTaskMemory(realEstate->blocks[kRentalBlock]);
    std::string line;
    for (int n = 1; n <= maxItems; ++n) {
        const hostapi::BlockView entry =
            block.Sub(static_cast<std::size_t>(n - 1) * sizeof(RentalEntry), sizeof(RentalEntry));
        if (!entry.IsPresent() || entry.Int32(offsetof(RentalEntry, endMarker)) ==
                                      hostapi::realestate::kRentalEndMarker) {
            return 1;
        }
        const std::string count = std::to_string(n);
        if (!writer->StartElement(line, kRentalItem, kItemLevel, "COUNT", count.c_str()) ||
            !record::WriteChildren(*writer, entry, 0, kRentalFields, kValueLevel) ||
            !writer->EndElement(line, kRentalItem, kItemLevel)) {
            return 0;
        }
    }
    return 1;
}

int ReportWriter::WriteRentalUse(XmlWriter* writer) {
    if (!writer) {
        return 0;
    }
    // Whatever the block does not hold, or all of it when it is absent, is written empty.
    return record::WriteChildren(*writer,
                                 hostapi::BlockView::OfTaskMemory(realEstate->blocks[kUseBlock]), 0,
                                 kUseFields, kUseLevel);
}

std::string ReportWriter::FormatArea(std::int64_t area, int fractionDigits) {
    Amount4 value(area);
    const char* text = value.ToText(fractionDigits, kHalfUp);
    return text ? std::string(text) : std::string();
}
