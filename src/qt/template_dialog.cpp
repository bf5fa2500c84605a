#include "qt/template_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimeEdit>

#include "qt/dialog_setup.h"
#include "qt/dialog_units.h"
#include "qt/font_mapping.h"

using dialog_texts::ControlKind;
using dialog_texts::ControlLayout;

namespace {

QWidget* makeControl(const ControlLayout& layout, QWidget* parent) {
    const QString text = QString::fromUtf8(layout.text);
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
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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

}  // namespace

QString controlName(int id) { return QStringLiteral("control_%1").arg(id); }

TemplateDialog::TemplateDialog(const dialog_texts::DialogLayout& layout, std::span<const ControlLayout> controls,
                               QWidget* parent)
    : QDialog(parent, kFixedDialogFlags) {
    prepareForDialogs();
    setWindowTitle(QString::fromUtf8(layout.caption));
    const QFont font = fontFromLogFont(templateLogFont(layout.fontFace, layout.fontPoints));
    setFont(font);
    const DialogBaseUnits base = dialogBaseUnits(font);
    setFixedSize(dialogUnitsToPixels(base, 0, 0, layout.rect.width, layout.rect.height).size());
    for (const ControlLayout& c : controls) {
        QWidget* widget = makeControl(c, this);
        if (!widget) continue;
        widget->setGeometry(dialogUnitsToPixels(base, c.rect.x, c.rect.y, c.rect.width, c.rect.height));
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
