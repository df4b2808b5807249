#pragma once

#include <cstdint>
#include <span>

namespace platform {

// Window and control styles, with their Win32 values.
inline constexpr std::uint32_t kWsPopup = 0x80000000;
inline constexpr std::uint32_t kWsChild = 0x40000000;
inline constexpr std::uint32_t kWsVisible = 0x10000000;
inline constexpr std::uint32_t kWsCaption = 0x00C00000;
inline constexpr std::uint32_t kWsBorder = 0x00800000;
inline constexpr std::uint32_t kWsSysMenu = 0x00080000;
inline constexpr std::uint32_t kWsGroup = 0x00020000;
inline constexpr std::uint32_t kWsTabStop = 0x00010000;
inline constexpr std::uint32_t kWsExAppWindow = 0x00040000;

inline constexpr std::uint32_t kDsSysModal = 0x0002;
inline constexpr std::uint32_t kDsSetFont = 0x0040;
inline constexpr std::uint32_t kDsModalFrame = 0x0080;

inline constexpr std::uint32_t kBsPushButton = 0x0000;
inline constexpr std::uint32_t kBsDefPushButton = 0x0001;
inline constexpr std::uint32_t kBsGroupBox = 0x0007;
inline constexpr std::uint32_t kBsAutoRadioButton = 0x0009;
inline constexpr std::uint32_t kBsTypeMask = 0x000F;

inline constexpr std::uint32_t kSsLeft = 0x0000;
inline constexpr std::uint32_t kSsCenterImage = 0x0200;

inline constexpr std::uint32_t kEsLeft = 0x0000;
inline constexpr std::uint32_t kEsAutoHScroll = 0x0080;

// Window classes of the controls, as the dialog manager names them.
inline constexpr char kButtonClass[] = "Button";
inline constexpr char kEditClass[] = "Edit";
inline constexpr char kStaticClass[] = "Static";
inline constexpr char kProgressClass[] = "msctls_progress32";

// One control of a dialog template. Positions are in dialog units; the text is
// Shift_JIS.
struct DialogControlTemplate {
    int id;
    const char* windowClass;
    std::uint32_t style;
    std::int16_t x;
    std::int16_t y;
    std::int16_t width;
    std::int16_t height;
    const char* text;
};

// A dialog resource of the program: the window, its font and its controls in
// tab order. Texts are Shift_JIS.
struct DialogTemplate {
    int id;
    const char* caption;
    const char* fontName;
    int pointSize;
    std::uint32_t style;
    std::uint32_t extendedStyle;
    std::int16_t x;
    std::int16_t y;
    std::int16_t width;
    std::int16_t height;
    std::span<const DialogControlTemplate> controls;
};

// The template with this resource id among those the product handed over
// (platform/Resources.h); null when there is none.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace platform
