#include "inspect/ShowFile.h"

#include "inspect/Show.h"
#include "platform/FileReplacement.h"
#include "platform/FileSystem.h"

namespace inspect {

int WriteShowHtml(const std::string& reportPath, const std::string& pagePath, const Report& report,
                  const CheckResult& checks, bool* refused) {
    *refused = platform::IsSameFile(reportPath, pagePath);
    if (*refused) {
        return 0;
    }
    const std::string page = ShowHtml(report, checks);
    return platform::WriteReplacing(pagePath,
                                    [&page](platform::ByteSink& sink) { return sink.Write(page); })
               ? 1
               : 0;
}

}  // namespace inspect
