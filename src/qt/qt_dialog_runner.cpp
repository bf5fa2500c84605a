#include "qt/qt_dialog_runner.h"

#include <QApplication>

#include "dialogs/registered_times_dialog.h"
#include "dialogs/set_time_dialog.h"
#include "qt/qt_dialog_controls.h"
#include "qt/template_dialog.h"

namespace dt = dialog_texts;

int QtDialogRunner::runSetTime(SetTimeDialog& core) {
    TemplateDialog dialog(dt::kSetTimeDialog, dt::kSetTimeControls, texts_, QApplication::activeWindow());
    QtTimeControl time(dialog.control<QTimeEdit>(SetTimeDialog::kTimeControlId));
    QCheckBox& checkBox = dialog.control<QCheckBox>(SetTimeDialog::kCheckBoxId);
    QtCheckBox clockTime(checkBox);
    QtDialogEnder ender(dialog);
    SetTimeControls controls{time, clockTime, ender};

    QObject::connect(&checkBox, &QCheckBox::clicked, &dialog, [&core] { core.onClockTimeClicked(); });
    QObject::connect(&dialog.control<QPushButton>(dt::kIdOk), &QPushButton::clicked, &dialog, [&core] { core.onOk(); });
    QObject::connect(&dialog.control<QPushButton>(dt::kIdCancel), &QPushButton::clicked, &dialog,
                     [&core] { core.onCancel(); });
    dialog.acceptAction = [&core] { core.onOk(); };
    dialog.rejectAction = [&core] { core.onCancel(); };

    core.onInitDialog(controls);
    return dialog.exec();
}

int QtDialogRunner::runRegisteredTimes(RegisteredTimesDialog& core) {
    TemplateDialog dialog(dt::kRegisteredTimesDialog, dt::kRegisteredTimesControls, texts_, QApplication::activeWindow());
    QListWidget& listWidget = dialog.control<QListWidget>(RegisteredTimesDialog::kListId);
    QtListBox list(listWidget);
    QtPushButton add(dialog.control<QPushButton>(RegisteredTimesDialog::kAddId));
    QtPushButton edit(dialog.control<QPushButton>(RegisteredTimesDialog::kEditId));
    QtPushButton remove(dialog.control<QPushButton>(RegisteredTimesDialog::kDeleteId));
    QtDialogEnder ender(dialog);
    RegisteredTimesControls controls{list, add, edit, remove, ender};

    const auto onClick = [&dialog](int id, auto handler) {
        QObject::connect(&dialog.control<QPushButton>(id), &QPushButton::clicked, &dialog, handler);
    };
    onClick(RegisteredTimesDialog::kAddId, [&core] { core.onAdd(); });
    onClick(RegisteredTimesDialog::kEditId, [&core] { core.onEdit(); });
    onClick(RegisteredTimesDialog::kDeleteId, [&core] { core.onDelete(); });
    onClick(dt::kIdOk, [&core] { core.onOk(); });
    onClick(dt::kIdCancel, [&core] { core.onCancel(); });
    QObject::connect(&listWidget, &QListWidget::itemSelectionChanged, &dialog, [&core] { core.onSelectionChange(); });
    dialog.acceptAction = [&core] { core.onOk(); };
    dialog.rejectAction = [&core] { core.onCancel(); };

    core.onInitDialog(controls);
    return dialog.exec();
}
