// BrenloView.exe: reports read back with the mouse. Started with the reports'
// paths or with none (then the open-file dialogs ask for them).
#include <string>
#include <vector>

#include "app/ExportApp.h"
#include "core/Edition.h"
#include "gui/Viewer.h"
#include "platform/Console.h"

int main(int argc, char** argv) {
    std::vector<std::string> named;
    for (int k = 1; k < argc; ++k) {
        named.push_back(platform::console::ArgumentText(argv[k]));
    }
    // The dialog starts where the export last wrote, for either edition.
    const viewer::StartFolder startFolder = [] {
        for (const Edition* edition : {&Edition::Brenlo(), &Edition::Brenlopro()}) {
            CExportApp app(*edition);
            if (std::string folder = app.RememberedFolder(); !folder.empty()) {
                return folder;
            }
        }
        return std::string();
    };
    return viewer::ViewReports(named, startFolder);
}
