#pragma once

#include <functional>
#include <sstream>
#include <string>

#include "platform/WindowSystem.h"
#include "platform/headless/ConsoleWindowSystem.h"
#include "platform/headless/HeadlessDialog.h"

namespace testsupport {

// A dialog script from a function.
class FunctionScript : public platform::headless::DialogScript {
public:
    explicit FunctionScript(std::function<void(platform::headless::HeadlessDialog&)> operate)
        : operate_(std::move(operate)) {}
    void Operate(platform::headless::HeadlessDialog& dialog) override {
        if (operate_) {
            operate_(dialog);
        }
    }

private:
    std::function<void(platform::headless::HeadlessDialog&)> operate_;
};

// A console window system installed for one test: its message boxes go to
// `messages` (UTF-8), its questions get `answer`, its dialogs are operated by
// `script`.
class ScriptedConsole {
public:
    explicit ScriptedConsole(
        std::function<void(platform::headless::HeadlessDialog&)> operate = {},
        platform::headless::YesNoPolicy answer = platform::headless::YesNoPolicy::AlwaysNo)
        : windows_(messages_, input_), script_(std::move(operate)) {
        windows_.SetYesNoPolicy(answer);
        windows_.SetDialogScript(&script_);
        previous_ = platform::ReplaceWindows(&windows_);
    }
    ~ScriptedConsole() { platform::ReplaceWindows(previous_); }
    ScriptedConsole(const ScriptedConsole&) = delete;
    ScriptedConsole& operator=(const ScriptedConsole&) = delete;

    platform::headless::ConsoleWindowSystem& Windows() { return windows_; }
    std::string Messages() const { return messages_.str(); }

private:
    std::ostringstream messages_;
    std::istringstream input_;
    platform::headless::ConsoleWindowSystem windows_;
    FunctionScript script_;
    platform::WindowSystem* previous_ = nullptr;
};

}  // namespace testsupport
