#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "hostapi/BlockView.h"
#include "report/Amount4.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"

namespace {

constexpr int kItemLevel = 4;
constexpr int kValueLevel = 5;
constexpr int kUseLevel = 4;
constexpr int kRentalBlock = 1;
constexpr int kUseBlock = 7;
constexpr int kAreaFractionDigits = 2;
constexpr int kHalfUp = 0;
// Contract dates keep year and month: the day digits are dropped.
constexpr std::int32_t kDayDivisor = 100;
constexpr char kRentalItem[] = "FUDOUSAN_UTIWAKE";

enum class Value : std::uint8_t {
    Text,     // cut to `limit` bytes
    Empty,    // a line the host does not store
    Month,    // a date without its day
    Area,     // empty for exactly 0
    Amount,   // whole yen
    Integer,  // a count
};

struct Field {
    const char* tag;
    Value value;
    std::size_t offset = 0;
    std::size_t width = 0;
    std::size_t limit = 0;
};

#define BRENLO_FIELD(Record, member) offsetof(Record, member), sizeof(Record::member)

constexpr std::array kRentalFields = {
    Field{"KASIYA_KASITI", Value::Text, BRENLO_FIELD(RentalEntry, houseOrLand), 10},
    Field{"YOUTO", Value::Text, BRENLO_FIELD(RentalEntry, use), 12},
    Field{"SYOZAITI_JOUDAN", Value::Text, BRENLO_FIELD(RentalEntry, location), 30},
    Field{"SYOZAITI_GEDAN", Value::Empty},
    Field{"JUUSYO_SIMEI_JOUDAN", Value::Text, BRENLO_FIELD(RentalEntry, tenantAddress), 30},
    Field{"JUUSYO_SIMEI_GEDAN", Value::Text, BRENLO_FIELD(RentalEntry, tenantName), 30},
    Field{"KEIYAKUKIKAN_FROM", Value::Month, BRENLO_FIELD(RentalEntry, contractFrom)},
    Field{"KEIYAKUKIKAN_TO", Value::Month, BRENLO_FIELD(RentalEntry, contractTo)},
    Field{"KASITUKEMENSEKI", Value::Area, BRENLO_FIELD(RentalEntry, area)},
    Field{"TINTAIRYOU_TUKIGAKU", Value::Amount, BRENLO_FIELD(RentalEntry, monthlyRent)},
    Field{"TINTAIRYOU_NENGAKU", Value::Amount, BRENLO_FIELD(RentalEntry, yearlyRent)},
    Field{"REIKIN", Value::Amount, BRENLO_FIELD(RentalEntry, gratuity)},
    Field{"KENRIKIN", Value::Amount, BRENLO_FIELD(RentalEntry, keyMoney)},
    Field{"KOUSINRYOU", Value::Amount, BRENLO_FIELD(RentalEntry, renewalFee)},
    Field{"MEIGISYOKANRYOU_SONOTA", Value::Amount, BRENLO_FIELD(RentalEntry, transferFeeOther)},
    Field{"HOSYOUKIN_SIKIKIN", Value::Amount, BRENLO_FIELD(RentalEntry, deposit)},
};

constexpr std::array kUseFields = {
    Field{"JUUTAKU_TATEMONO_IKKODATE", Value::Integer,
          BRENLO_FIELD(RentalUseSummary, housingDetached)},
    Field{"JUUTAKU_TATEMONO_IKKODATEIGAI", Value::Integer,
          BRENLO_FIELD(RentalUseSummary, housingOtherBuildings)},
    Field{"JUUTAKU_TOTI_KEIYAKU", Value::Integer,
          BRENLO_FIELD(RentalUseSummary, housingLandContracts)},
    Field{"JUUTAKU_TOTI_SOUMENSEKI", Value::Area, BRENLO_FIELD(RentalUseSummary, housingLandArea)},
    Field{"JUUTAKUIGAI_TATEMONO_IKKODATE", Value::Integer,
          BRENLO_FIELD(RentalUseSummary, otherDetached)},
    Field{"JUUTAKUIGAI_TATEMONO_IKKODATEIGAI", Value::Integer,
          BRENLO_FIELD(RentalUseSummary, otherBuildings)},
    Field{"JUUTAKUIGAI_TOTI_KEIYAKU", Value::Integer,
          BRENLO_FIELD(RentalUseSummary, otherLandContracts)},
    Field{"JUUTAKUIGAI_TOTI_SOUMENSEKI", Value::Area,
          BRENLO_FIELD(RentalUseSummary, otherLandArea)},
    Field{"CHUUSYAJOU_YANETUKI", Value::Integer, BRENLO_FIELD(RentalUseSummary, parkingRoofed)},
    Field{"CHUUSYAJOU_AOZORA", Value::Integer, BRENLO_FIELD(RentalUseSummary, parkingOpen)},
};

#undef BRENLO_FIELD

// The text of one field of a record; a field the block does not hold whole is empty.
std::string FieldValue(const hostapi::BlockView& record, const Field& field) {
    switch (field.value) {
        case Value::Text:
            return ReportWriter::CopyTruncated(
                record.Text(field.offset, field.width).value_or(std::string_view()), field.limit);
        case Value::Empty:
            return {};
        case Value::Month:
            return ReportWriter::FormatInteger(record.Int32(field.offset).value_or(0) /
                                               kDayDivisor);
        case Value::Area: {
            const std::int64_t area = record.Int64(field.offset).value_or(0);
            return area == 0 ? std::string() : ReportWriter::FormatArea(area, kAreaFractionDigits);
        }
        case Value::Amount:
            return ReportWriter::FormatAmount(record.Int64(field.offset).value_or(0));
        case Value::Integer:
            return ReportWriter::FormatInteger(record.Int32(field.offset).value_or(0));
    }
    return {};
}

template <std::size_t N>
int WriteFields(XmlWriter& writer, const hostapi::BlockView& record,
                const std::array<Field, N>& fields, int level) {
    std::string line;
    for (const Field& field : fields) {
        if (!writer.ValueElement(line, field.tag, FieldValue(record, field), level)) {
            return 0;
        }
    }
    return 1;
}

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
            !WriteFields(*writer, entry, kRentalFields, kValueLevel) ||
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
    return WriteFields(*writer, hostapi::BlockView::OfTaskMemory(realEstate->blocks[kUseBlock]),
                       kUseFields, kUseLevel);
}

std::string ReportWriter::FormatArea(std::int64_t area, int fractionDigits) {
    Amount4 value(area);
    const char* text = value.ToText(fractionDigits, kHalfUp);
    return text ? std::string(text) : std::string();
}
