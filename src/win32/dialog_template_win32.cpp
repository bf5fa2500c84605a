#include "win32/dialog_template_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "dialogs/dialog_fit.h"
#include "win32/gdi_handles.h"
#include "win32/wide_text.h"

namespace dt = dialog_texts;

namespace {

// Appends WORDs, strings and DWORD-aligned items to a template.
class TemplateWriter {
public:
    void word(uint32_t value) { words_.push_back(static_cast<WORD>(value)); }
    void dword(uint32_t value) { word(value & 0xFFFF), word(value >> 16); }
    void rect(const dt::DialogUnitRect& r) { word(r.x), word(r.y), word(r.width), word(r.height); }
    void text(const std::wstring& s) {
        words_.insert(words_.end(), s.begin(), s.end());
        word(0);
    }
    void alignToDword() {
        if (words_.size() % 2 != 0) word(0);
    }
    std::vector<DWORD> finish() {
        alignToDword();
        std::vector<DWORD> out(words_.size() / 2);
        std::memcpy(out.data(), words_.data(), words_.size() * sizeof(WORD));
        return out;
    }

private:
    std::vector<WORD> words_;
};

std::wstring wide(const Texts& texts, TextId id) { return wideFromNarrow(std::string(texts[id])); }

}  // namespace

std::vector<DWORD> dialogTemplate(const dt::DialogLayout& layout, std::span<const dt::ControlLayout> controls,
                                  const Texts& texts) {
    TemplateWriter t;
    t.word(1), t.word(0xFFFF);  // DLGTEMPLATEEX, version 1
    t.dword(0), t.dword(0), t.dword(layout.style | DS_SETFONT);
    t.word(static_cast<uint32_t>(controls.size()));
    t.rect(layout.rect);
    t.word(0), t.word(0);  // no menu, the standard dialog class
    t.text(wide(texts, layout.caption));
    t.word(static_cast<uint32_t>(layout.fontPoints)), t.word(FW_DONTCARE), t.word(DEFAULT_CHARSET << 8);  // not italic
    t.text(wideFromNarrow(layout.fontFace));
    for (const dt::ControlLayout& c : controls) {
        t.alignToDword();
        t.dword(0), t.dword(c.exStyle), t.dword(c.style);
        t.rect(c.rect);
        t.dword(static_cast<uint32_t>(c.id));
        t.text(wideFromNarrow(c.windowClass));
        t.text(c.text ? wide(texts, *c.text) : std::wstring());
        t.word(0);  // no creation data
    }
    return t.finish();
}

namespace {

// The pixels a created control needs to show its content whole, measured as
// Windows lays it out.
SIZE neededPixels(HWND dialog, HWND control, const dt::ControlLayout& row, const Texts& texts) {
    SIZE size{};
    switch (row.kind) {
    case dt::ControlKind::CheckBox:
    case dt::ControlKind::PushButton:
    case dt::ControlKind::DefaultPushButton:
        SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&size));
        return {size.cx, 0};
    case dt::ControlKind::TimePicker:
        for (const TextId format : {TextId::set_time_duration_format, TextId::set_time_clock_format}) {
            const std::wstring text = wide(texts, format);
            SendMessageW(control, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(text.c_str()));
            SIZE ideal{};
            SendMessageW(control, DTM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
            size.cx = std::max(size.cx, ideal.cx);
        }
        return size;
    case dt::ControlKind::GroupBox: return size;
    default: break;
    }
    const WindowDC dc(dialog);
    const SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    const bool list = row.kind == dt::ControlKind::ListBox;
    const std::wstring text = list ? wideFromNarrow(widestListEntry(texts)) : wide(texts, *row.text);
    RECT r{};
    DrawTextW(dc.get(), text.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX);
    if (!list) return {r.right, r.bottom};
    // Within the sunken edge and the item's margins. The five entries leave
    // no room for a scroll bar to show.
    return {r.right + 4 * GetSystemMetrics(SM_CXEDGE), 0};
}

}  // namespace

void fitToTexts(HWND dialog, const dt::DialogLayout& layout, std::span<const dt::ControlLayout> controls,
                const Texts& texts) {
    RECT unit{0, 0, 4, 8};
    MapDialogRect(dialog, &unit);
    const LONG baseX = std::max<LONG>(unit.right, 1), baseY = std::max<LONG>(unit.bottom, 1);
    std::vector<ControlNeed> needs;
    HWND child = GetWindow(dialog, GW_CHILD);
    for (std::size_t i = 0; i < controls.size() && child; ++i, child = GetWindow(child, GW_HWNDNEXT)) {
        const SIZE pixels = neededPixels(dialog, child, controls[i], texts);
        needs.push_back({static_cast<int>((pixels.cx * 4 + baseX - 1) / baseX), static_cast<int>((pixels.cy * 8 + baseY - 1) / baseY)});
    }
    const FittedDialog fitted = fitDialog(layout, controls, needs);
    // Place and size mapped apart, as the dialog manager maps a template.
    const auto pixels = [&](const dt::DialogUnitRect& r) {
        RECT rc{r.x, r.y, r.width, r.height};
        MapDialogRect(dialog, &rc);
        return rc;
    };
    child = GetWindow(dialog, GW_CHILD);
    for (std::size_t i = 0; i < controls.size() && child; ++i, child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT rc = pixels(fitted.controls[i]);
        SetWindowPos(child, nullptr, rc.left, rc.top, rc.right, rc.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client = pixels(fitted.dialog);
    RECT now{};
    GetClientRect(dialog, &now);
    if (client.right == now.right && client.bottom == now.bottom) return;
    AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
