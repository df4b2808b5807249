// libFuzzer entry: any books text through the export of every income kind,
// into memory. Whatever the host's texts hold, the report decodes as code
// page 932: every byte is a character by itself or part of a whole pair.
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

namespace {

bool Decodes(const std::string& report) {
    for (std::size_t i = 0; i < report.size(); ++i) {
        const auto byte = static_cast<unsigned char>(report[i]);
        if (platform::cp932::StartsDoubleByte(report, i)) {
            ++i;
        } else if (!platform::cp932::IsSingleByteCharacter(byte)) {
            return false;
        }
    }
    return true;
}

}  // namespace

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
        fuzz::Expect(Decodes(sink.Bytes()));
    }
    tobra::books::Reset();
    return 0;
}
