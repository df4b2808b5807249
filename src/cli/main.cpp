#include <cstdio>
#include <iostream>

#include "app/ExportApp.h"
#include "cli/CliDialogScript.h"
#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/InspectCommands.h"
#include "core/ConsoleTexts.h"
#include "core/Edition.h"
#include "core/ProgramResources.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"
#include "platform/headless/ConsoleOutput.h"
#include "platform/headless/ConsoleWindowSystem.h"

// brenlo-cli: the export run with the conditions dialog answered by options.
int main(int argc, char** argv) {
    platform::console::UseUtf8Console();
    core::InstallProgramResources();
    int status = 0;
    const std::optional<CliCommand> command = ParseCommandLine(argc, argv, status);
    if (!command) {
        return status;
    }
    switch (command->kind) {
        case CliCommand::Kind::Check:
            return RunCheckCommand(command->readBack);
        case CliCommand::Kind::Show:
            return RunShowCommand(command->readBack);
        case CliCommand::Kind::Export:
            break;
    }
    const CliOptions* options = &command->options;
    if (options->books && !platform::console::SetEnvironmentValue("TOBRA_BOOKS", *options->books)) {
        std::cerr << CliText("brenlo-cli: cannot pass the books file to the host") << '\n';
        return kUnusableOptions;
    }

    using platform::headless::YesNoPolicy;
    platform::headless::ConsoleWindowSystem& windows = platform::headless::ConsoleWindows();
    platform::ReplaceWindows(&windows);
    CliDialogScript script(*options);
    windows.SetDialogScript(&script);
    windows.SetFailureLine([](const std::string& path, const std::string& reason) {
        return core::InConsoleLanguage("brenlo-cli: " + path + ": " + core::JapaneseReason(reason),
                                       "brenlo-cli: " + path + ": " + reason);
    });
    windows.SetYesNoPolicy(!options->answer   ? YesNoPolicy::Ask
                           : *options->answer ? YesNoPolicy::AlwaysYes
                                              : YesNoPolicy::AlwaysNo);
    windows.SetInteractive(platform::console::IsTerminal(stdin) &&
                           platform::console::IsTerminal(stderr));
    windows.SetProgressVisible(!options->quiet && platform::console::IsTerminal(stderr));

    CExportApp app(options->pro ? Edition::Brenlopro() : Edition::Brenlo());
    app.m_strCommandLine = options->commandLine;
    app.m_strProgramFolder = options->programFolder;
    const int exitStatus = app.Run();
    if (script.Refused()) {
        return kUnusableOptions;
    }
    if (!app.m_strReportPath.empty()) {
        // A relative --out was taken from the program folder, not the shell's.
        std::cerr << CliText("brenlo-cli: wrote {}",
                             platform::headless::ConsoleText(FullPathOf(
                                 app.m_strReportPath, platform::Files().CurrentFolder())))
                  << '\n';
    }
    if (options->check) {
        PrintChecksOfWrittenReport(app.m_strReportPath);
    }

    for (const auto& event : windows.Events()) {
        if (event.kind == platform::headless::WindowEvent::Kind::PostMessage) {
            std::cout << "completion window=" << event.window << " message=" << event.message
                      << " wParam=" << event.wParam << " lParam=" << event.lParam << '\n';
        }
    }
    // The report stays as the run left it; the status says the output failed.
    return OutputDelivered() ? exitStatus : Failed;
}
