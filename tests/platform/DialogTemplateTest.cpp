#include "platform/DialogTemplate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Sjis.h"

namespace {

using platform::DialogControlTemplate;
using platform::DialogTemplate;
using platform::FindDialogTemplate;
using testsupport::Sjis;

const DialogControlTemplate* Control(const DialogTemplate& dialog, int id) {
    for (const DialogControlTemplate& control : dialog.controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

void ExpectPlace(const DialogControlTemplate& control, int x, int y, int width, int height) {
    EXPECT_EQ(x, control.x) << control.id;
    EXPECT_EQ(y, control.y) << control.id;
    EXPECT_EQ(width, control.width) << control.id;
    EXPECT_EQ(height, control.height) << control.id;
}

TEST(DialogTemplateTest, UnknownIdHasNoTemplate) {
    EXPECT_EQ(nullptr, FindDialogTemplate(0));
    EXPECT_EQ(nullptr, FindDialogTemplate(132));
}

TEST(DialogTemplateTest, ConditionsDialogWindow) {
    const DialogTemplate* dialog = FindDialogTemplate(130);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(130, dialog->id);
    EXPECT_EQ(Sjis("所得税 - 集計条件"), dialog->caption);
    EXPECT_EQ(Sjis("ＭＳ Ｐゴシック"), dialog->fontName);
    EXPECT_EQ(9, dialog->pointSize);
    EXPECT_EQ(0x80000000u | 0x10000000u | 0x00C00000u | 0x00080000u | 0x80u | 0x40u, dialog->style);
    EXPECT_EQ(0x00040000u, dialog->extendedStyle);
    EXPECT_EQ(0, dialog->x);
    EXPECT_EQ(0, dialog->y);
    EXPECT_EQ(263, dialog->width);
    EXPECT_EQ(234, dialog->height);
}

TEST(DialogTemplateTest, ConditionsControlsInTabOrder) {
    const DialogTemplate* dialog = FindDialogTemplate(130);
    ASSERT_NE(nullptr, dialog);
    std::vector<int> ids;
    for (const DialogControlTemplate& control : dialog->controls) {
        ids.push_back(control.id);
        EXPECT_EQ(0x50000000u, control.style & 0xF0000000u) << "child and visible: " << control.id;
    }
    EXPECT_EQ((std::vector<int>{1000, 1002, 1004, 1001, 1003, 1005, 1006, 1007, 1008, 1009, 1010,
                                1012, 1011, 1015, 1016, 1017, 1013, 1014}),
              ids);
}

TEST(DialogTemplateTest, ConditionsLabels) {
    const DialogTemplate* dialog = FindDialogTemplate(130);
    ASSERT_NE(nullptr, dialog);
    const DialogControlTemplate* period = Control(*dialog, 1005);
    ASSERT_NE(nullptr, period);
    EXPECT_EQ(std::string("Static"), period->windowClass);
    EXPECT_EQ(0x50000000u | 0x00020000u | 0x0200u, period->style);
    ExpectPlace(*period, 59, 26, 197, 12);
    EXPECT_EQ(Sjis("xxxx/xx/xx～xxxx/xx/xx"), period->text);
    EXPECT_EQ(std::string("\x81\x60"), std::string(period->text + 10, 2)) << "wave dash";
    const DialogControlTemplate* colon = Control(*dialog, 1007);
    ASSERT_NE(nullptr, colon);
    ExpectPlace(*colon, 46, 45, 8, 12);
    EXPECT_EQ(Sjis("："), colon->text);
    EXPECT_EQ(Sjis("事業所名"), Control(*dialog, 1004)->text);
    EXPECT_EQ(Sjis("あり"), Control(*dialog, 1008)->text);
}

TEST(DialogTemplateTest, ConditionsButtonsAndEdit) {
    const DialogTemplate* dialog = FindDialogTemplate(130);
    ASSERT_NE(nullptr, dialog);

    const DialogControlTemplate* group = Control(*dialog, 1009);
    ASSERT_NE(nullptr, group);
    EXPECT_EQ(std::string("Button"), group->windowClass);
    EXPECT_EQ(0x50000007u, group->style);
    ExpectPlace(*group, 7, 64, 249, 83);
    EXPECT_EQ(Sjis("事業区分"), group->text);

    const DialogControlTemplate* other = Control(*dialog, 1012);
    ASSERT_NE(nullptr, other);
    EXPECT_EQ(0x50010009u, other->style);
    ExpectPlace(*other, 18, 102, 92, 12);
    EXPECT_EQ(Sjis("その他所得用（一般用）(&2)"), other->text);
    EXPECT_EQ(Sjis("営業所得用（一般用）(&1)"), Control(*dialog, 1010)->text);
    EXPECT_EQ(Sjis("不動産所得用(&3)"), Control(*dialog, 1011)->text);
    ExpectPlace(*Control(*dialog, 1011), 18, 121, 92, 12);

    EXPECT_EQ(Sjis("出力先(&F)"), Control(*dialog, 1015)->text);
    ExpectPlace(*Control(*dialog, 1015), 7, 159, 249, 45);

    const DialogControlTemplate* edit = Control(*dialog, 1016);
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(std::string("Edit"), edit->windowClass);
    EXPECT_EQ(0x50000000u | 0x00800000u | 0x00010000u | 0x0080u, edit->style);
    ExpectPlace(*edit, 14, 178, 170, 14);
    EXPECT_EQ(std::string(), edit->text);

    const DialogControlTemplate* browse = Control(*dialog, 1017);
    ASSERT_NE(nullptr, browse);
    EXPECT_EQ(0x50010000u, browse->style);
    ExpectPlace(*browse, 191, 178, 57, 14);
    EXPECT_EQ(Sjis("参照(&D)..."), browse->text);

    const DialogControlTemplate* execute = Control(*dialog, 1013);
    ASSERT_NE(nullptr, execute);
    EXPECT_EQ(0x50030000u, execute->style) << "group and tab stop, not a default button";
    ExpectPlace(*execute, 137, 213, 57, 14);
    EXPECT_EQ(Sjis("実行(F12)"), execute->text);
    const DialogControlTemplate* cancel = Control(*dialog, 1014);
    ASSERT_NE(nullptr, cancel);
    EXPECT_EQ(0x50030000u, cancel->style);
    ExpectPlace(*cancel, 199, 213, 57, 14);
    EXPECT_EQ(Sjis("キャンセル(Esc)"), cancel->text);

    EXPECT_EQ(nullptr, Control(*dialog, 1)) << "no IDOK";
    EXPECT_EQ(nullptr, Control(*dialog, 2)) << "no IDCANCEL";
}

TEST(DialogTemplateTest, ProgressWindow) {
    const DialogTemplate* dialog = FindDialogTemplate(131);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(Sjis("集計中"), dialog->caption);
    EXPECT_EQ(Sjis("ＭＳ Ｐゴシック"), dialog->fontName);
    EXPECT_EQ(9, dialog->pointSize);
    EXPECT_EQ(0x80000000u | 0x00C00000u | 0x80u | 0x02u | 0x40u, dialog->style)
        << "popup, caption, modal frame, system-modal, set-font; hidden, no system menu";
    EXPECT_EQ(0u, dialog->extendedStyle);
    EXPECT_EQ(0, dialog->x);
    EXPECT_EQ(0, dialog->y);
    EXPECT_EQ(221, dialog->width);
    EXPECT_EQ(45, dialog->height);
    ASSERT_EQ(2u, dialog->controls.size());

    const DialogControlTemplate& overall = dialog->controls[0];
    EXPECT_EQ(1018, overall.id);
    EXPECT_EQ(std::string("msctls_progress32"), overall.windowClass);
    EXPECT_EQ(0x50800000u, overall.style);
    ExpectPlace(overall, 5, 6, 211, 22);
    EXPECT_EQ(std::string("Progress1"), overall.text);

    const DialogControlTemplate& activity = dialog->controls[1];
    EXPECT_EQ(1019, activity.id);
    EXPECT_EQ(std::string("msctls_progress32"), activity.windowClass);
    EXPECT_EQ(0x50800000u, activity.style);
    ExpectPlace(activity, 5, 29, 211, 10);
    EXPECT_EQ(std::string("Progress2"), activity.text);
}

}  // namespace
