#include "report/ReportWriter.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>

#include "core/ProgramResources.h"
#include "core/ProgressDlg.h"
#include "hostapi/StDATAINFO.h"
#include "platform/FileReplacement.h"
#include "platform/text/Cp932.h"
#include "platform/text/PathPieces.h"
#include "report/SupportInfoReader.h"
#include "report/XmlWriter.h"

namespace {

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
constexpr char kReport[] = "REPORT";
constexpr char kSystem[] = "SYSTEM";
constexpr char kBasic[] = "BASIC";
constexpr char kData[] = "DATA";
constexpr char kDefaultProductVersion[] = "21.00.0X";
constexpr std::int16_t kProgressEnd = 1000;

// Names up to this length are converted whole; the full-width text of a
// longer one is cut to the second length.
constexpr std::size_t kWholeNameBytes = 30;
constexpr std::size_t kCutNameBytes = 63;

// A host text field up to its NUL, or the whole field when it has none.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    return std::string_view(field,
                            static_cast<std::size_t>(std::find(field, field + N, '\0') - field));
}

struct Value {
    const char* name;
    std::string text;
};

// Writes the section's start, each value followed by a pulse, and its end.
// 0 at the first failed write, leaving the section open.
template <std::size_t N, typename PulseFn>
int WriteSection(XmlWriter& writer, const char* section, const Value (&values)[N], PulseFn pulse) {
    std::string line;
    if (!writer.StartElement(line, section, 1)) {
        return 0;
    }
    for (const Value& value : values) {
        if (!writer.ValueElement(line, value.name, value.text, 2)) {
            return 0;
        }
        pulse();
    }
    return writer.EndElement(line, section, 1);
}

}  // namespace

ReportWriter::ReportWriter(const CollectedData& collected, CProgressDlg& progressDlg,
                           IncomeKind kind, const Edition& productEdition, std::int16_t base)
    : progress(&progressDlg),
      rows(&collected.rows),
      monthly(&collected.monthly),
      general(&collected.general),
      realEstate(&collected.realEstate),
      progressWnd(progressDlg.Handle()),
      incomeKind(kind),
      progressBase(base),
      edition(productEdition) {}

ReportWriter::~ReportWriter() = default;

int ReportWriter::WriteReport(const std::string& path, std::int16_t functionId,
                              const StDATAINFO* entry) {
    return platform::WriteReplacing(path,
                                    [&](platform::ByteSink& sink) {
                                        return WriteReportTo(sink, functionId, entry) == 1;
                                    })
               ? 1
               : 0;
}

int ReportWriter::WriteReportTo(platform::ByteSink& sink, std::int16_t functionId,
                                const StDATAINFO* entry) {
    XmlWriter writer;
    std::string line;
    writer.Open(&sink);
    // Neither is checked: a failed sink stays failed, and the first value of
    // SYSTEM reports it.
    writer.WriteText(kDeclaration);
    writer.StartElement(line, kReport, 0);

    Pulse();
    int written = WriteSystem(&writer, functionId);
    Pulse();
    if (written) {
        written = WriteBasic(&writer, entry);
    }
    Pulse();
    if (written) {
        written = WriteData(&writer, entry);
    }
    Pulse();
    const int ended = writer.EndElement(line, kReport, 0);
    return written && ended && !writer.Failed() ? 1 : 0;
}

int ReportWriter::WriteSystem(XmlWriter* writer, std::int16_t functionId) {
    if (!writer) {
        return 0;
    }
    SupportInfoReader support;
    std::string productName = support.ProductName();
    if (productName.empty()) {
        productName = edition.productName;
    }
    std::string productVersion = support.ProductVersion();
    if (productVersion.empty()) {
        productVersion = kDefaultProductVersion;
    }
    const Value values[] = {
        {"GYOUMUPREFIX", "NV14"},
        {"VERSION", "1"},
        {"FUNCTIONID", std::to_string(functionId)},
        {"CONNECTEDPROGRAMVER", core::ProgramVersion()},
        {"PROGRAMNAME", std::move(productName)},
        {"PROGRAMVER", std::move(productVersion)},
    };
    if (!WriteSection(*writer, kSystem, values, [this] { Pulse(); })) {
        return 0;
    }
    Advance(progressBase, static_cast<std::int16_t>(progressBase + 100));
    return 1;
}

int ReportWriter::WriteBasic(XmlWriter* writer, const StDATAINFO* entry) {
    if (!writer || !entry) {
        return 0;
    }
    const int returnForm = entry->returnKind == hostapi::kWhiteReturn ? 2 : 1;
    const Value values[] = {
        {"KOMONSAKINAME", ToFullWidth(FieldText(entry->companyName))},
        {"AOSIROKUBUN", std::to_string(returnForm)},
        {"JIGYOUNENDOFROM", std::to_string(entry->periodFrom)},
        {"JIGYOUNENDOTO", std::to_string(entry->periodTo)},
        {"SYOTOKUSYURUI", std::to_string(incomeKind)},
    };
    if (!WriteSection(*writer, kBasic, values, [this] { Pulse(); })) {
        return 0;
    }
    Advance(static_cast<std::int16_t>(progressBase + 100),
            static_cast<std::int16_t>(progressBase + 200));
    return 1;
}

int ReportWriter::WriteData(XmlWriter* writer, const StDATAINFO* entry) {
    if (!writer || !entry) {
        return 0;
    }
    std::string line;
    if (!writer->StartElement(line, kData, 1)) {
        return 0;
    }
    const char* income = nullptr;
    switch (incomeKind) {
        case income_kind::kBusiness:
            income = "EIGYOUSYOTOKU";
            break;
        case income_kind::kOther:
            income = "SONOTASYOTOKU";
            break;
        case income_kind::kRealEstate:
            income = "FUDOUSANSYOTOKU";
            break;
        default:
            return 0;
    }
    if (!writer->StartElement(line, income, 2)) {
        return 0;
    }
    const int content = incomeKind == income_kind::kRealEstate
                            ? WriteRealEstateIncome(writer, entry)
                            : WriteBusinessIncome(writer, entry);
    if (!content || !writer->EndElement(line, income, 2) || !writer->EndElement(line, kData, 1)) {
        return 0;
    }
    Advance(static_cast<std::int16_t>(progressBase + 200), kProgressEnd);
    return 1;
}

std::string ReportWriter::ToFullWidth(std::string_view name) {
    // Widened from whole characters: a lone lead byte would pair with the
    // first byte of the next character's full-width form.
    const std::string text = platform::cp932::WholeCharacters(name);
    std::string wide = platform::cp932::ToFullWidth(text);
    if (text.size() <= kWholeNameBytes) {
        return wide;
    }
    wide.resize(platform::cp932::FittingLength(wide, kCutNameBytes));
    return wide;
}

void ReportWriter::Pulse() {
    progress->Pulse();
}

void ReportWriter::Advance(std::int16_t from, std::int16_t to) {
    progress->Advance(from, to);
}
