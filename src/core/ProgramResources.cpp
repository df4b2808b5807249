// The program's two dialog resources as a table, for the headless adapter and
// the tests; the Win32 adapter takes them from the program's resources, which
// are compiled from the same rows.
#include "core/ProgramResources.h"

#include <array>

#include "platform/DialogTemplate.h"
#include "platform/Resources.h"
#include "resources/Version.h"

// The rows name styles as the resource compiler does.
#define WS_POPUP platform::kWsPopup
#define WS_CHILD platform::kWsChild
#define WS_VISIBLE platform::kWsVisible
#define WS_CAPTION platform::kWsCaption
#define WS_BORDER platform::kWsBorder
#define WS_SYSMENU platform::kWsSysMenu
#define WS_GROUP platform::kWsGroup
#define WS_TABSTOP platform::kWsTabStop
#define WS_EX_APPWINDOW platform::kWsExAppWindow
#define DS_SYSMODAL platform::kDsSysModal
#define DS_SETFONT platform::kDsSetFont
#define DS_MODALFRAME platform::kDsModalFrame
#define BS_PUSHBUTTON platform::kBsPushButton
#define BS_GROUPBOX platform::kBsGroupBox
#define BS_AUTORADIOBUTTON platform::kBsAutoRadioButton
#define SS_LEFT platform::kSsLeft
#define SS_CENTERIMAGE platform::kSsCenterImage
#define ES_LEFT platform::kEsLeft
#define ES_AUTOHSCROLL platform::kEsAutoHScroll

#include "resources/DialogTemplates.h"

#define BRENLO_TABLE_CONTROL(id, windowClass, style, x, y, width, height, text) \
    platform::DialogControlTemplate{id, windowClass, style, x, y, width, height, text},
#define BRENLO_TABLE_DIALOG(id, caption, style, extendedStyle, x, y, width, height)              \
    id, caption, BRENLO_DIALOG_FONT_NAME, BRENLO_DIALOG_FONT_POINTS, style, extendedStyle, x, y, \
        width, height

namespace core {
namespace {

constexpr std::array kConditionsControls = {BRENLO_CONDITIONS_CONTROLS(BRENLO_TABLE_CONTROL)};
constexpr std::array kProgressControls = {BRENLO_PROGRESS_CONTROLS(BRENLO_TABLE_CONTROL)};

constexpr std::array kTemplates = {
    platform::DialogTemplate{BRENLO_CONDITIONS_DIALOG(BRENLO_TABLE_DIALOG), kConditionsControls},
    platform::DialogTemplate{BRENLO_PROGRESS_DIALOG(BRENLO_TABLE_DIALOG), kProgressControls},
};

constexpr std::array kStrings = {
    platform::StringResource{IDS_PROGRAM_VERSION, BRENLO_PROGRAM_VERSION}};

}  // namespace

void InstallProgramResources() {
    platform::UseProgramResources(platform::ProgramResources{kTemplates, kStrings});
}

std::string ProgramVersion() {
    return platform::ResourceText(IDS_PROGRAM_VERSION);
}

}  // namespace core
