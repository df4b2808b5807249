/* The program's two dialog templates, 130 (the conditions dialog) and 131 (the
   progress window), written once as data: the resource script compiles them
   into every Windows program, and the program's own table (which the console
   front end and the tests use) is built from the same rows.

   Style names are Windows' own. A dialog is
     DIALOG(id, caption, style, extended style, x, y, width, height)
   and each control, in tab order,
     CONTROL(id, window class, style, x, y, width, height, text)
   with positions in dialog units and texts in UTF-8. */
#ifndef BRENLO_RESOURCES_DIALOG_TEMPLATES_H
#define BRENLO_RESOURCES_DIALOG_TEMPLATES_H

#define BRENLO_DIALOG_FONT_POINTS 9
#define BRENLO_DIALOG_FONT_NAME "ＭＳ Ｐゴシック"

#define BRENLO_CONTROL_STYLE (WS_CHILD | WS_VISIBLE)
#define BRENLO_LABEL_STYLE (BRENLO_CONTROL_STYLE | SS_LEFT | SS_CENTERIMAGE | WS_GROUP)
#define BRENLO_GROUP_BOX_STYLE (BRENLO_CONTROL_STYLE | BS_GROUPBOX)
#define BRENLO_RADIO_STYLE (BRENLO_CONTROL_STYLE | BS_AUTORADIOBUTTON | WS_TABSTOP)
#define BRENLO_EDIT_STYLE (BRENLO_CONTROL_STYLE | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP)
#define BRENLO_BUTTON_STYLE (BRENLO_CONTROL_STYLE | BS_PUSHBUTTON | WS_TABSTOP)
#define BRENLO_BAR_STYLE (BRENLO_CONTROL_STYLE | WS_BORDER)

/* No default push button and no IDOK or IDCANCEL: the dialog ends only
   through 1013 (execute) and 1014 (cancel). */
#define BRENLO_CONDITIONS_DIALOG(DIALOG)                                                  \
    DIALOG(130, "所得税 - 集計条件",                                                      \
           WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, \
           WS_EX_APPWINDOW, 0, 0, 263, 234)

#define BRENLO_CONDITIONS_CONTROLS(CONTROL)                                                       \
    CONTROL(1000, "Static", BRENLO_LABEL_STYLE, 7, 7, 28, 12, "事業所名")                         \
    CONTROL(1002, "Static", BRENLO_LABEL_STYLE, 46, 7, 8, 12, "：")                               \
    CONTROL(1004, "Static", BRENLO_LABEL_STYLE, 59, 7, 197, 12, "事業所名")                       \
    CONTROL(1001, "Static", BRENLO_LABEL_STYLE, 7, 26, 28, 12, "会計期間")                        \
    CONTROL(1003, "Static", BRENLO_LABEL_STYLE, 46, 26, 8, 12, "：")                              \
    CONTROL(1005, "Static", BRENLO_LABEL_STYLE, 59, 26, 197, 12, "xxxx/xx/xx～xxxx/xx/xx")        \
    CONTROL(1006, "Static", BRENLO_LABEL_STYLE, 7, 45, 28, 12, "製造原価")                        \
    CONTROL(1007, "Static", BRENLO_LABEL_STYLE, 46, 45, 8, 12, "：")                              \
    CONTROL(1008, "Static", BRENLO_LABEL_STYLE, 59, 45, 197, 12, "あり")                          \
    CONTROL(1009, "Button", BRENLO_GROUP_BOX_STYLE, 7, 64, 249, 83, "事業区分")                   \
    CONTROL(1010, "Button", BRENLO_RADIO_STYLE, 18, 83, 92, 12, "営業所得用（一般用）(&1)")       \
    CONTROL(1012, "Button", BRENLO_RADIO_STYLE, 18, 102, 92, 12, "その他所得用（一般用）(&2)")    \
    CONTROL(1011, "Button", BRENLO_RADIO_STYLE, 18, 121, 92, 12, "不動産所得用(&3)")              \
    CONTROL(1015, "Button", BRENLO_GROUP_BOX_STYLE, 7, 159, 249, 45, "出力先(&F)")                \
    CONTROL(1016, "Edit", BRENLO_EDIT_STYLE, 14, 178, 170, 14, "")                                \
    CONTROL(1017, "Button", BRENLO_BUTTON_STYLE, 191, 178, 57, 14, "参照(&D)...")                 \
    CONTROL(1013, "Button", BRENLO_BUTTON_STYLE | WS_GROUP, 137, 213, 57, 14, "実行(F12)")        \
    CONTROL(1014, "Button", BRENLO_BUTTON_STYLE | WS_GROUP, 199, 213, 57, 14, "キャンセル(Esc)")

/* Modeless and without a system menu, so it has no close box. */
#define BRENLO_PROGRESS_DIALOG(DIALOG)                                                        \
    DIALOG(131, "集計中", WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SYSMODAL | DS_SETFONT, 0, \
           0, 0, 221, 45)

#define BRENLO_PROGRESS_CONTROLS(CONTROL)                                           \
    CONTROL(1018, "msctls_progress32", BRENLO_BAR_STYLE, 5, 6, 211, 22, "Progress1") \
    CONTROL(1019, "msctls_progress32", BRENLO_BAR_STYLE, 5, 29, 211, 10, "Progress2")

#endif
