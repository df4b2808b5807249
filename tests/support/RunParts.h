#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "aggregation/Aggregator.h"
#include "aggregation/CollectedData.h"
#include "core/Edition.h"
#include "core/IncomeKind.h"
#include "core/ProgressDlg.h"
#include "hostapi/SavedStatementRecords.h"
#include "hostapi/StDATAINFO.h"
#include "platform/ByteSink.h"
#include "platform/TaskMemory.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "support/FakeProgressWindow.h"

namespace testsupport {

// Starts the elements a writer of the report's parts is called inside of:
// `depth` of REPORT, DATA, the income element and a section. The bytes their
// lines took in the sink, for leaving them out.
inline std::size_t StartEnclosing(XmlWriter& xml, const platform::MemorySink& sink, int depth) {
    static constexpr const char* kEnclosing[] = {"REPORT", "DATA", "EIGYOUSYOTOKU", "SECTION"};
    for (int i = 0; i < depth; ++i) {
        xml.Start(kEnclosing[i]);
    }
    return sink.Bytes().size();
}

// The parts of one run, wired as the run wires them: the collected data (its
// statement blocks freed with it), a started progress window that records
// what it was shown, the aggregation and the report over them, and an XML
// writer into memory for the report's sections.
class RunPartsTest : public ::testing::Test {
protected:
    RunPartsTest() {
        progress_.Start();
        xml_.Open(&sink_);
    }

    // A zero-filled block of the saved statements in place of the one at
    // `index`; the collected data frees it.
    unsigned char* GeneralBlock(int index, std::size_t size = 0) {
        return Block(collected_.general.blocks[index],
                     size ? size : hostapi::general::kBlockSize[index]);
    }
    unsigned char* RealEstateBlock(int index, std::size_t size = 0) {
        return Block(collected_.realEstate.blocks[index],
                     size ? size : hostapi::realestate::kBlockSize[index]);
    }

    // A report writer of another income kind, edition or progress start.
    std::unique_ptr<ReportWriter> ReportOf(IncomeKind kind, std::int16_t progressBase = 0,
                                           const Edition& edition = Edition::Brenlo()) {
        return std::make_unique<ReportWriter>(collected_, progress_, kind, edition, progressBase);
    }

    // The blue-return deduction chosen in the statements' block 0, which must
    // be there.
    void SetChoice(std::uint8_t choice) {
        static_cast<unsigned char*>(
            collected_.general.blocks[0])[hostapi::general::kBlueDeductionChoice] = choice;
    }

    // Opens the elements a writer of the report's parts is called inside of:
    // `depth` of REPORT, DATA, the income element and a section, whose lines
    // Written() leaves out.
    void Inside(int depth) { skip_ = StartEnclosing(xml_, sink_, depth); }

    // What the parts wrote so far.
    std::string Written() const { return sink_.Bytes().substr(skip_); }
    int OverallSteps() const { return progressWindow_->bars[CProgressDlg::kOverallBar].steps; }

    CollectedData collected_;
    FakeProgressWindow* progressWindow_ = new FakeProgressWindow;
    CProgressDlg progress_{std::unique_ptr<platform::ProgressWindow>(progressWindow_)};
    Aggregator aggregator_{collected_, progress_};
    ReportWriter report_{collected_, progress_, income_kind::kBusiness, Edition::Brenlo(), 0};
    platform::MemorySink sink_;
    XmlWriter xml_;
    StDATAINFO entry_{};

private:
    std::size_t skip_ = 0;

    static unsigned char* Block(void*& slot, std::size_t size) {
        platform::TaskMemoryAllocator().Free(slot);
        slot = platform::TaskMemoryAllocator().Allocate(size);
        EXPECT_NE(slot, nullptr);
        std::memset(slot, 0, size);
        return static_cast<unsigned char*>(slot);
    }
};

}  // namespace testsupport
