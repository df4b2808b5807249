#include "inspect/ShowFile.h"

#include "platform/FileReplacement.h"
#include "platform/FileSystem.h"

namespace inspect {

int WriteShowPage(const std::string& reportPath, const std::string& pagePath,
                  const std::string& page, bool* refused) {
    *refused = platform::IsSameFile(reportPath, pagePath);
    if (*refused) {
        return 0;
    }
    return platform::WriteReplacing(pagePath,
                                    [&page](platform::ByteSink& sink) { return sink.Write(page); })
               ? 1
               : 0;
}

}  // namespace inspect
