// libFuzzer entry: any bytes through the report reader and, when they read,
// the checks and both layouts.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "inspect/CheckOutput.h"
#include "inspect/Checks.h"
#include "inspect/Report.h"
#include "inspect/Show.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const inspect::ReadResult result = inspect::ReadReport(bytes, "fuzz.xml");
    if (result.report) {
        const inspect::CheckResult checks = inspect::RunChecks(*result.report, &*result.report);
        (void)inspect::CheckJson(*result.report, checks);
        (void)inspect::CheckText(*result.report, checks);
        (void)inspect::ShowText(*result.report, checks);
        (void)inspect::ShowHtml(*result.report, checks);
    }
    return 0;
}
