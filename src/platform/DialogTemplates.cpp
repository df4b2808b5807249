// The program's two dialog resources, shared by the Win32 adapter (which
// builds real templates from them) and the headless adapter.
#include <array>

#include "platform/DialogTemplate.h"

namespace platform {
namespace {

constexpr char kFontName[] = "ＭＳ Ｐゴシック";
constexpr int kFontPoints = 9;

constexpr std::uint32_t kControl = kWsChild | kWsVisible;
constexpr std::uint32_t kLabel = kControl | kSsLeft | kSsCenterImage | kWsGroup;
constexpr std::uint32_t kGroupBox = kControl | kBsGroupBox;
constexpr std::uint32_t kRadio = kControl | kBsAutoRadioButton | kWsTabStop;
constexpr std::uint32_t kEdit = kControl | kEsLeft | kEsAutoHScroll | kWsBorder | kWsTabStop;
constexpr std::uint32_t kButton = kControl | kBsPushButton | kWsTabStop;
constexpr std::uint32_t kBar = kControl | kWsBorder;

constexpr std::array kConditionsControls = {
    DialogControlTemplate{1000, kStaticClass, kLabel, 7, 7, 28, 12, "事業所名"},
    DialogControlTemplate{1002, kStaticClass, kLabel, 46, 7, 8, 12, "："},
    DialogControlTemplate{1004, kStaticClass, kLabel, 59, 7, 197, 12, "事業所名"},
    DialogControlTemplate{1001, kStaticClass, kLabel, 7, 26, 28, 12, "会計期間"},
    DialogControlTemplate{1003, kStaticClass, kLabel, 46, 26, 8, 12, "："},
    DialogControlTemplate{1005, kStaticClass, kLabel, 59, 26, 197, 12, "xxxx/xx/xx～xxxx/xx/xx"},
    DialogControlTemplate{1006, kStaticClass, kLabel, 7, 45, 28, 12, "製造原価"},
    DialogControlTemplate{1007, kStaticClass, kLabel, 46, 45, 8, 12, "："},
    DialogControlTemplate{1008, kStaticClass, kLabel, 59, 45, 197, 12, "あり"},
    DialogControlTemplate{1009, kButtonClass, kGroupBox, 7, 64, 249, 83, "事業区分"},
    DialogControlTemplate{1010, kButtonClass, kRadio, 18, 83, 92, 12, "営業所得用（一般用）(&1)"},
    DialogControlTemplate{1012, kButtonClass, kRadio, 18, 102, 92, 12,
                          "その他所得用（一般用）(&2)"},
    DialogControlTemplate{1011, kButtonClass, kRadio, 18, 121, 92, 12, "不動産所得用(&3)"},
    DialogControlTemplate{1015, kButtonClass, kGroupBox, 7, 159, 249, 45, "出力先(&F)"},
    DialogControlTemplate{1016, kEditClass, kEdit, 14, 178, 170, 14, ""},
    DialogControlTemplate{1017, kButtonClass, kButton, 191, 178, 57, 14, "参照(&D)..."},
    DialogControlTemplate{1013, kButtonClass, kButton | kWsGroup, 137, 213, 57, 14, "実行(F12)"},
    DialogControlTemplate{1014, kButtonClass, kButton | kWsGroup, 199, 213, 57, 14,
                          "キャンセル(Esc)"},
};

constexpr std::array kProgressControls = {
    DialogControlTemplate{1018, kProgressClass, kBar, 5, 6, 211, 22, "Progress1"},
    DialogControlTemplate{1019, kProgressClass, kBar, 5, 29, 211, 10, "Progress2"},
};

constexpr std::array kTemplates = {
    DialogTemplate{130, "所得税 - 集計条件", kFontName, kFontPoints,
                   kWsPopup | kWsVisible | kWsCaption | kWsSysMenu | kDsModalFrame | kDsSetFont,
                   kWsExAppWindow, 0, 0, 263, 234, kConditionsControls},
    DialogTemplate{131, "集計中", kFontName, kFontPoints,
                   kWsPopup | kWsCaption | kDsModalFrame | kDsSysModal | kDsSetFont, 0, 0, 0, 221,
                   45, kProgressControls},
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
