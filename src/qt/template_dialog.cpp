#include "qt/template_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTimeEdit>

#include <algorithm>

#include "dialogs/dialog_fit.h"
#include "qt/dialog_setup.h"
#include "qt/dialog_units.h"
#include "qt/font_mapping.h"
#include "qt/time_format.h"

using dialog_texts::ControlKind;
using dialog_texts::ControlLayout;

namespace {

QString textOf(const Texts& texts, TextId id) { return QString::fromUtf8(texts[id].data(), qsizetype(texts[id].size())); }

QWidget* makeControl(const ControlLayout& layout, const Texts& texts, QWidget* parent) {
    const QString text = layout.text ? textOf(texts, *layout.text) : QString();
    switch (layout.kind) {
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::TimePicker: {
        auto* edit = new QTimeEdit(parent);
        edit->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        return edit;
    }
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);  // as a Windows list box shows it
        return list;
    }
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(layout.kind == ControlKind::DefaultPushButton);
        return button;
    }
    case ControlKind::StaticText:
        return new QLabel(text, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(text, parent);
    }
    return nullptr;
}

// The pixels a control needs to show its content whole, as the style lays it out.
QSize neededSize(QWidget* widget, const ControlLayout& layout, const Texts& texts) {
    switch (layout.kind) {
    case ControlKind::CheckBox: return {widget->sizeHint().width(), 0};  // the box is shorter than its margins
    case ControlKind::StaticText: return widget->sizeHint();
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
        // Not the size hint: styles give a button at least 80 pixels, text or not.
        const int margin = widget->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
        const int frame = widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
        return {widget->fontMetrics().horizontalAdvance(static_cast<QPushButton*>(widget)->text()) + 2 * (margin + frame), 0};
    }
    case ControlKind::TimePicker: {
        auto* edit = static_cast<QTimeEdit*>(widget);
        int width = 0;
        for (const TextId format : {TextId::set_time_duration_format, TextId::set_time_clock_format}) {
            edit->setDisplayFormat(toQtTimeFormat(textOf(texts, format)));
            width = std::max(width, edit->sizeHint().width());
        }
        return {width, 0};
    }
    case ControlKind::ListBox: {
        auto* list = static_cast<QListWidget*>(widget);
        const std::string entry = widestListEntry(texts);
        const int text = list->fontMetrics().horizontalAdvance(QString::fromUtf8(entry.data(), qsizetype(entry.size())));
        // Within the frame and the item's margins. The five entries leave no
        // room for a scroll bar to show.
        return {text + 2 * list->frameWidth() + 8, 0};
    }
    case ControlKind::GroupBox: break;
    }
    return {};
}

}  // namespace

QString controlName(int id) { return QStringLiteral("control_%1").arg(id); }

TemplateDialog::TemplateDialog(const dialog_texts::DialogLayout& layout, std::span<const ControlLayout> controls,
                               const Texts& texts, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags) {
    prepareForDialogs();
    setWindowTitle(textOf(texts, layout.caption));
    const QFont font = fontFromLogFont(templateLogFont(layout.fontFace, layout.fontPoints));
    setFont(font);
    const DialogBaseUnits base = dialogBaseUnits(font);
    std::vector<QWidget*> widgets;
    std::vector<ControlNeed> needs;
    for (const ControlLayout& c : controls) {
        QWidget* widget = makeControl(c, texts, this);
        const QSize pixels = neededSize(widget, c, texts);
        widgets.push_back(widget);
        needs.push_back({(pixels.width() * 4 + base.x - 1) / base.x, (pixels.height() * 8 + base.y - 1) / base.y});
    }
    const FittedDialog fitted = fitDialog(layout, controls, needs);
    setFixedSize(dialogUnitsToPixels(base, 0, 0, fitted.dialog.width, fitted.dialog.height).size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlLayout& c = controls[i];
        QWidget* widget = widgets[i];
        const dialog_texts::DialogUnitRect& r = fitted.controls[i];
        widget->setGeometry(dialogUnitsToPixels(base, r.x, r.y, r.width, r.height));
        widget->setObjectName(controlName(c.id));
        if (c.kind == ControlKind::GroupBox) widget->lower();  // frames lie under the controls
        if (c.id != dialog_texts::kIdStatic) controls_[c.id] = widget;
    }
}

void TemplateDialog::accept() {
    if (acceptAction) acceptAction();
}

void TemplateDialog::reject() {
    if (rejectAction) rejectAction();
}
