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
#include "reportformat/Envelope.h"

namespace {

namespace envelope = reportformat::envelope;

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
constexpr char kDefaultProductVersion[] = "21.00.0X";
// What the link's header says of itself.
constexpr char kPrefix[] = "NV14";
constexpr char kLinkVersion[] = "1";
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
    if (!writer.Start(section)) {
        return 0;
    }
    for (const Value& value : values) {
        if (!writer.Value(value.name, value.text)) {
            return 0;
        }
        pulse();
    }
    return writer.End();
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
    writer.Open(&sink);
    // Neither is checked: a failed sink stays failed, and the first value of
    // SYSTEM reports it.
    writer.WriteText(kDeclaration);
    writer.Start(envelope::kReport);

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
    // REPORT ends at its own level whatever was left open by a failure.
    std::string line;
    const int ended = writer.EndElement(line, envelope::kReport, 0);
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
    namespace system = reportformat::system;
    const Value values[] = {
        {system::kPrefix, kPrefix},
        {system::kVersion, kLinkVersion},
        {system::kFunction, std::to_string(functionId)},
        {system::kProgramVersion, core::ProgramVersion()},
        {system::kProductName, std::move(productName)},
        {system::kProductVersion, std::move(productVersion)},
    };
    if (!WriteSection(*writer, envelope::kSystem, values, [this] { Pulse(); })) {
        return 0;
    }
    Advance(progressBase, static_cast<std::int16_t>(progressBase + 100));
    return 1;
}

int ReportWriter::WriteBasic(XmlWriter* writer, const StDATAINFO* entry) {
    if (!writer || !entry) {
        return 0;
    }
    namespace basic = reportformat::basic;
    const char* returnForm = entry->returnKind == hostapi::kWhiteReturn ? reportformat::kWhiteCode
                                                                        : reportformat::kBlueCode;
    const Value values[] = {
        {basic::kCompany, ToFullWidth(FieldText(entry->companyName))},
        {basic::kReturnForm, returnForm},
        {basic::kPeriodFrom, std::to_string(entry->periodFrom)},
        {basic::kPeriodTo, std::to_string(entry->periodTo)},
        {basic::kIncomeKind, std::to_string(incomeKind)},
    };
    if (!WriteSection(*writer, envelope::kBasic, values, [this] { Pulse(); })) {
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
    if (!writer->Start(envelope::kData)) {
        return 0;
    }
    const char* income = reportformat::IncomeElementOf(incomeKind);
    if (income == nullptr) {
        return 0;
    }
    if (!writer->Start(income)) {
        return 0;
    }
    const int content = incomeKind == income_kind::kRealEstate
                            ? WriteRealEstateIncome(writer, entry)
                            : WriteBusinessIncome(writer, entry);
    if (!content || !writer->End() || !writer->End()) {
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
