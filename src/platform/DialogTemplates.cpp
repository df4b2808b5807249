// The program's two dialog resources as a table, for the headless adapter and
// the tests; the Win32 adapter takes them from the program's resources, which
// are compiled from the same rows.
#include <array>

#include "platform/DialogTemplate.h"

// The rows name styles as the resource compiler does.
#define WS_POPUP kWsPopup
#define WS_CHILD kWsChild
#define WS_VISIBLE kWsVisible
#define WS_CAPTION kWsCaption
#define WS_BORDER kWsBorder
#define WS_SYSMENU kWsSysMenu
#define WS_GROUP kWsGroup
#define WS_TABSTOP kWsTabStop
#define WS_EX_APPWINDOW kWsExAppWindow
#define DS_SYSMODAL kDsSysModal
#define DS_SETFONT kDsSetFont
#define DS_MODALFRAME kDsModalFrame
#define BS_PUSHBUTTON kBsPushButton
#define BS_GROUPBOX kBsGroupBox
#define BS_AUTORADIOBUTTON kBsAutoRadioButton
#define SS_LEFT kSsLeft
#define SS_CENTERIMAGE kSsCenterImage
#define ES_LEFT kEsLeft
#define ES_AUTOHSCROLL kEsAutoHScroll

#include "resources/DialogTemplates.h"

#define BRENLO_TABLE_CONTROL(id, windowClass, style, x, y, width, height, text) \
    DialogControlTemplate{id, windowClass, style, x, y, width, height, text},
#define BRENLO_TABLE_DIALOG(id, caption, style, extendedStyle, x, y, width, height)              \
    id, caption, BRENLO_DIALOG_FONT_NAME, BRENLO_DIALOG_FONT_POINTS, style, extendedStyle, x, y, \
        width, height

namespace platform {
namespace {

constexpr std::array kConditionsControls = {BRENLO_CONDITIONS_CONTROLS(BRENLO_TABLE_CONTROL)};
constexpr std::array kProgressControls = {BRENLO_PROGRESS_CONTROLS(BRENLO_TABLE_CONTROL)};

constexpr std::array kTemplates = {
    DialogTemplate{BRENLO_CONDITIONS_DIALOG(BRENLO_TABLE_DIALOG), kConditionsControls},
    DialogTemplate{BRENLO_PROGRESS_DIALOG(BRENLO_TABLE_DIALOG), kProgressControls},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate& found : kTemplates) {
        if (found.id == id) {
            return &found;
        }
    }
    return nullptr;
}

}  // namespace platform
