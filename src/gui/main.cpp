// Brenlo.exe and Brenlopro.exe: one export run, started by the host with its
// four fields or by the user with none, with the real dialogs.
#include "app/ExportApp.h"
#include "core/Edition.h"
#include "core/ProgramResources.h"
#include "platform/CommandLine.h"

int main() {
    core::InstallProgramResources();
#ifdef BRENLO_PRO
    CExportApp app(Edition::Brenlopro());
#else
    CExportApp app(Edition::Brenlo());
#endif
    app.m_strCommandLine = platform::ProgramCommandLine();
    app.Run();
    // The outcome travels to the host only in the completion message; the
    // process ends as the framework ends a program without a main window.
    return 0;
}
