#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Dialog.h"

namespace testsupport {

// A dialog handler that writes down each call ("init", "key 27", "command
// 1017", "cancel") and does what the test gives it to do.
class RecordingHandler : public platform::DialogHandler {
public:
    std::vector<std::string> calls;
    std::function<bool(platform::DialogControls&)> init;
    std::function<bool(platform::DialogControls&, const platform::KeyEvent&)> key;
    std::function<void(platform::DialogControls&, int)> command;
    // Without one, OnCancel ends the dialog with 1014 as the conditions dialog does.
    std::function<void(platform::DialogControls&)> cancel;

    bool OnInitDialog(platform::DialogControls& controls) override {
        calls.push_back("init");
        return init ? init(controls) : true;
    }
    void OnCommand(platform::DialogControls& controls, int id) override {
        calls.push_back("command " + std::to_string(id));
        if (command) {
            command(controls, id);
        }
    }
    bool PreTranslateKey(platform::DialogControls& controls,
                         const platform::KeyEvent& event) override {
        calls.push_back("key " + std::to_string(event.virtualKey));
        return key ? key(controls, event) : false;
    }
    void OnCancel(platform::DialogControls& controls) override {
        calls.push_back("cancel");
        if (cancel) {
            cancel(controls);
        } else {
            controls.EndDialog(1014);
        }
    }
};

}  // namespace testsupport
