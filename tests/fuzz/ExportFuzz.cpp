// libFuzzer entry: any books text through the export of every income kind,
// into memory. Whatever the host's texts hold, the report decodes as code
// page 932 with the codec the reader uses (glibc's CP932, the table the
// character classes are tested against): no lone lead byte, no pair that is
// no character, no byte that is none.
#include <cstddef>
#include <cstdint>

#include "aggregation/Aggregator.h"
#include "app/ExportApp.h"
#include "books/HostState.h"
#include "core/Edition.h"
#include "core/ProgressDlg.h"
#include "fuzz/FuzzInput.h"
#include "platform/ByteSink.h"
#include "platform/text/Cp932.h"
#include "report/ReportWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!tobra::books::InstallText(fuzz::Text(data, size)).empty()) {
        return 0;
    }
    CExportApp app(Edition::Brenlo());
    StDATAINFO entry{};
    app.ReadSelectedDataEntry(&entry);
    for (IncomeKind kind = 1; kind <= 3; ++kind) {
        CollectedData collected;
        CProgressDlg progress(nullptr);
        Aggregator(collected, progress).Aggregate(&entry, kind);
        ReportWriter report(collected, progress, kind, Edition::Brenlo(), 500);
        platform::MemorySink sink;
        report.WriteReportTo(sink, 1, &entry);
        fuzz::Expect(platform::cp932::ToUtf8(sink.Bytes()).has_value());
    }
    tobra::books::Reset();
    return 0;
}
