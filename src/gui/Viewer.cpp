#include "gui/Viewer.h"

#include <optional>
#include <string_view>
#include <utility>

#include "core/ExitStatus.h"
#include "core/MessageTexts.h"
#include "inspect/ReadBack.h"
#include "platform/WindowSystem.h"
#include "platform/text/Cp932.h"
#include "platform/text/PathPieces.h"

namespace viewer {
namespace {

// The read-back speaks UTF-8; windows take the program's Shift_JIS.
std::string Sjis(std::string_view utf8) {
    return platform::cp932::FromUtf8(utf8).value_or(std::string());
}

std::string Utf8(std::string_view sjis) {
    return platform::cp932::ToUtf8(sjis).value_or(std::string(sjis));
}

void Tell(std::string_view utf8, unsigned icon) {
    platform::Windows().ShowMessageBox(0, Sjis(utf8), core::MessageCaption(),
                                       icon | platform::kMbOk);
}

std::optional<std::string> AskForReport(std::string_view title, const std::string& folder) {
    platform::FileDialogRequest request;
    request.defaultExtension = "xml";
    request.flags = 0x180C;  // file and path must exist, keep the current folder, no read-only box
    request.filter = Sjis("出力ファイル (*.xml)|*.xml||");
    request.initialFolder = folder;
    request.title = Sjis(title);
    return platform::Windows().AskOpenFileName(request);
}

inspect::ReportFile FileOf(const std::string& path) {
    return {path, Utf8(path)};
}

std::string Counts(const inspect::JobResult& result) {
    return "エラー " + std::to_string(result.errors) + " 件、警告 " +
           std::to_string(result.warnings) + " 件";
}

// The outcome: the counts and where the page is, or why there is none.
void TellOutcome(const inspect::JobResult& result) {
    if (result.page.empty()) {
        Tell(result.error ? result.error->japanese : std::string("ページを作れませんでした。"),
             platform::kMbIconExclamation);
        return;
    }
    std::string text = "出力ファイルを確認しました。\n\n" + Counts(result) + "\n\n";
    if (result.error) {
        text += result.error->japanese + "。次のページをブラウザで開いてください。\n";
    } else {
        text += "各ページをブラウザで開きました。";
        if (result.errors + result.warnings > 0) {
            text += "エラーと警告の行には印が付いています。";
        }
        text += "\nページの場所:\n";
    }
    text += Utf8(result.page);
    Tell(text, result.errors > 0 || result.error ? platform::kMbIconExclamation
                                                 : platform::kMbIconInformation);
}

}  // namespace

int ViewReports(const std::vector<std::string>& named, const StartFolder& startFolder) {
    if (named.size() > 2) {
        Tell("一度に開ける出力ファイルは、本年分と前年分の 2 つまでです。",
             platform::kMbIconExclamation);
        return kUnusableOptions;
    }
    inspect::ShowRequest request;
    request.as = inspect::ShowAs::OpenedPage;
    if (named.empty()) {
        const std::optional<std::string> report =
            AskForReport("出力ファイルを開く", startFolder ? startFolder() : std::string());
        if (!report) {
            return kCheckClean;
        }
        request.report = FileOf(*report);
        if (const std::optional<std::string> previous =
                AskForReport("前年分の出力ファイル（比べないときは［キャンセル］）",
                             platform::FolderOf(*report))) {
            request.previous = FileOf(*previous);
        }
    } else {
        request.report = FileOf(named[0]);
        if (named.size() == 2) {
            request.previous = FileOf(named[1]);
            // Explorer hands over files dropped together in an order of its own.
            if (inspect::YearEndOf(*request.previous) > inspect::YearEndOf(request.report)) {
                std::swap(request.report, *request.previous);
            }
        }
    }
    const inspect::JobResult result = inspect::RunShow(request);
    TellOutcome(result);
    return result.status;
}

}  // namespace viewer
