// Layouts of the two time dialogs, with their texts' identifiers in the
// catalogue: the set-time dialog (template 137) and the registered-times
// dialog (template 136). The backends build their real dialogs from these
// tables at run time, in the chosen language, widened where its texts need
// more room (dialogs/dialog_fit.h).
//
// Rectangles are in dialog units (x, y, width, height). Styles carry the
// Win32 bit values so the Win32 backend can build an in-memory template
// as they stand; other backends read `kind` and the flag helpers below.
// Controls are listed in template order, which is also the tab order and the
// Z order (first on top; the group frames come last so they sit underneath).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "resources/catalogue.h"

namespace dialog_texts {

struct DialogUnitRect {
    int x;
    int y;
    int width;
    int height;
};

enum class ControlKind {
    CheckBox,
    TimePicker,
    ListBox,
    PushButton,
    DefaultPushButton,
    StaticText,
    GroupBox,
};

// Win32 style bits used by the templates.
namespace style {
inline constexpr uint32_t kPopup = 0x80000000u;        // WS_POPUP
inline constexpr uint32_t kChild = 0x40000000u;        // WS_CHILD
inline constexpr uint32_t kVisible = 0x10000000u;      // WS_VISIBLE
inline constexpr uint32_t kCaption = 0x00C00000u;      // WS_CAPTION
inline constexpr uint32_t kBorder = 0x00800000u;       // WS_BORDER
inline constexpr uint32_t kVScroll = 0x00200000u;      // WS_VSCROLL
inline constexpr uint32_t kSysMenu = 0x00080000u;      // WS_SYSMENU
inline constexpr uint32_t kGroup = 0x00020000u;        // WS_GROUP
inline constexpr uint32_t kTabStop = 0x00010000u;      // WS_TABSTOP
inline constexpr uint32_t kModalFrame = 0x00000080u;   // DS_MODALFRAME
inline constexpr uint32_t kSetFont = 0x00000040u;      // DS_SETFONT
inline constexpr uint32_t kPushButton = 0x0u;          // BS_PUSHBUTTON
inline constexpr uint32_t kDefPushButton = 0x1u;       // BS_DEFPUSHBUTTON
inline constexpr uint32_t kAutoCheckBox = 0x3u;        // BS_AUTOCHECKBOX
inline constexpr uint32_t kGroupBox = 0x7u;            // BS_GROUPBOX
inline constexpr uint32_t kListNotify = 0x1u;          // LBS_NOTIFY (no LBS_SORT)
inline constexpr uint32_t kListNoIntegralHeight = 0x100u;  // LBS_NOINTEGRALHEIGHT
inline constexpr uint32_t kTimeFormat = 0x9u;          // DTS_TIMEFORMAT (with up-down arrows)
inline constexpr uint32_t kStaticLeft = 0x0u;          // SS_LEFT
inline constexpr uint32_t kExTransparent = 0x20u;      // WS_EX_TRANSPARENT
}  // namespace style

// Window class names as a Win32 template names them.
inline constexpr const char* kButtonClass = "Button";
inline constexpr const char* kTimePickerClass = "SysDateTimePick32";
inline constexpr const char* kListBoxClass = "ListBox";
inline constexpr const char* kStaticClass = "Static";

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdStatic = -1;

struct ControlLayout {
    int id;
    ControlKind kind;
    const char* windowClass;
    uint32_t style;
    uint32_t exStyle;
    std::optional<TextId> text;
    DialogUnitRect rect;
};

inline constexpr bool hasStyle(const ControlLayout& c, uint32_t bits) { return (c.style & bits) == bits; }

struct DialogLayout {
    int templateId;
    TextId caption;
    const char* fontFace;
    int fontPoints;
    uint32_t style;
    DialogUnitRect rect;
};

inline constexpr const char* kFontFace = "ＭＳ Ｐゴシック";
inline constexpr int kFontPoints = 9;
inline constexpr uint32_t kDialogStyle = style::kPopup | style::kCaption | style::kSysMenu | style::kModalFrame;
inline constexpr uint32_t kChildStyle = style::kChild | style::kVisible;

// ---- Set-time dialog (137) ----
inline constexpr DialogLayout kSetTimeDialog{
    137, TextId::set_time_caption, kFontFace, kFontPoints, kDialogStyle, {0, 0, 133, 79}};

inline constexpr ControlLayout kSetTimeCheckBox{
    1004, ControlKind::CheckBox, kButtonClass,
    kChildStyle | style::kAutoCheckBox | style::kTabStop, style::kExTransparent,
    TextId::set_time_clock_time, {12, 13, 105, 10}};
inline constexpr ControlLayout kSetTimePicker{
    1007, ControlKind::TimePicker, kTimePickerClass,
    kChildStyle | style::kTimeFormat | style::kTabStop, 0,
    std::nullopt, {12, 29, 71, 15}};
inline constexpr ControlLayout kSetTimeOk{
    kIdOk, ControlKind::DefaultPushButton, kButtonClass,
    kChildStyle | style::kDefPushButton | style::kTabStop, 0,
    TextId::dialog_ok, {7, 58, 50, 14}};
inline constexpr ControlLayout kSetTimeCancel{
    kIdCancel, ControlKind::PushButton, kButtonClass,
    kChildStyle | style::kPushButton | style::kTabStop, 0,
    TextId::dialog_cancel, {76, 58, 50, 14}};
inline constexpr ControlLayout kSetTimeFrame{
    kIdStatic, ControlKind::GroupBox, kButtonClass,
    kChildStyle | style::kGroupBox, 0,
    std::nullopt, {7, 1, 119, 52}};

inline constexpr std::array<ControlLayout, 5> kSetTimeControls{
    kSetTimeCheckBox, kSetTimePicker, kSetTimeOk, kSetTimeCancel, kSetTimeFrame};

// ---- Registered-times dialog (136) ----
inline constexpr DialogLayout kRegisteredTimesDialog{
    136, TextId::registered_caption, kFontFace, kFontPoints, kDialogStyle, {0, 0, 141, 141}};

inline constexpr ControlLayout kRegisteredTimesList{
    1011, ControlKind::ListBox, kListBoxClass,
    kChildStyle | style::kBorder | style::kVScroll | style::kListNotify | style::kListNoIntegralHeight |
        style::kTabStop,
    0, std::nullopt, {13, 45, 63, 60}};
inline constexpr ControlLayout kRegisteredTimesAdd{
    1008, ControlKind::PushButton, kButtonClass,
    kChildStyle | style::kPushButton | style::kTabStop, 0,
    TextId::registered_add, {79, 45, 50, 14}};
inline constexpr ControlLayout kRegisteredTimesEdit{
    1010, ControlKind::PushButton, kButtonClass,
    kChildStyle | style::kPushButton | style::kTabStop, 0,
    TextId::registered_edit, {79, 61, 50, 14}};
inline constexpr ControlLayout kRegisteredTimesDelete{
    1009, ControlKind::PushButton, kButtonClass,
    kChildStyle | style::kPushButton | style::kTabStop, 0,
    TextId::registered_delete, {79, 77, 50, 14}};
inline constexpr ControlLayout kRegisteredTimesOk{
    kIdOk, ControlKind::DefaultPushButton, kButtonClass,
    kChildStyle | style::kDefPushButton | style::kTabStop, 0,
    TextId::dialog_ok, {7, 120, 50, 14}};
inline constexpr ControlLayout kRegisteredTimesCancel{
    kIdCancel, ControlKind::PushButton, kButtonClass,
    kChildStyle | style::kPushButton | style::kTabStop, 0,
    TextId::dialog_cancel, {84, 120, 50, 14}};
inline constexpr ControlLayout kRegisteredTimesText{
    kIdStatic, ControlKind::StaticText, kStaticClass,
    kChildStyle | style::kStaticLeft | style::kGroup, style::kExTransparent,
    TextId::registered_explanation, {12, 11, 119, 32}};
inline constexpr ControlLayout kRegisteredTimesFrame{
    kIdStatic, ControlKind::GroupBox, kButtonClass,
    kChildStyle | style::kGroupBox, 0,
    std::nullopt, {7, 2, 127, 111}};

inline constexpr std::array<ControlLayout, 8> kRegisteredTimesControls{
    kRegisteredTimesList, kRegisteredTimesAdd,    kRegisteredTimesEdit, kRegisteredTimesDelete,
    kRegisteredTimesOk,   kRegisteredTimesCancel, kRegisteredTimesText, kRegisteredTimesFrame};

}  // namespace dialog_texts
