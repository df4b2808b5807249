// libFuzzer entry: the report's text handling on any Shift_JIS-looking bytes:
// the special-notes splitter, the character-safe cut, the account-name
// cleaner, the full-width company name and the XML value line. Input: line
// length, line count and cut limit (one byte each), then the text.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "aggregation/CollectedData.h"
#include "core/Edition.h"
#include "core/IncomeKind.h"
#include "core/ProgressDlg.h"
#include "fuzz/FuzzInput.h"
#include "platform/ByteSink.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text = fuzz::Text(data, size);
    // Signed: zero and negative lengths and counts are inputs too.
    const int lineLength = static_cast<std::int8_t>(fuzz::TakeByte(text));
    const int lineCount = static_cast<std::int8_t>(fuzz::TakeByte(text)) % 24;
    const std::size_t limit = fuzz::TakeByte(text);

    const CollectedData collected;
    CProgressDlg progress(nullptr);
    ReportWriter report(collected, progress, income_kind::kBusiness, Edition::Brenlo(), 0);
    platform::MemorySink sink;
    XmlWriter xml;
    xml.Open(&sink);
    fuzz::Expect(report.WriteSpecialNotes(&xml, text, lineLength, lineCount) == 1);

    const std::string cut = ReportWriter::CopyTruncated(text, limit);
    fuzz::Expect(cut.size() <= limit && text.starts_with(cut));

    std::string cleaned = "unchanged";
    if (ReportWriter::CleanAccountName(text, cleaned) == 0) {
        fuzz::Expect(cleaned == "unchanged");
    }
    (void)ReportWriter::ToFullWidth(text);

    std::string line;
    fuzz::Expect(xml.ValueElement(line, "NAME", text, lineCount, "a", "1") == 1);
    fuzz::Expect(sink.Bytes().ends_with(line));
    return 0;
}
