#include "qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "qt/dialog_setup.h"

namespace {

QMessageBox::Icon iconOf(uint32_t style) {
    switch (style & 0xF0u) {
    case 0x10: return QMessageBox::Critical;
    case 0x20: return QMessageBox::Question;
    case 0x30: return QMessageBox::Warning;
    case 0x40: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

void QtMessageBoxes::show(const std::string& text, const std::optional<std::string>& caption, uint32_t style) {
    prepareForDialogs();
    const QString title = caption ? QString::fromStdString(*caption) : QCoreApplication::applicationName();
    QMessageBox box(iconOf(style), title, QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow(),
                    kFixedDialogFlags);
    box.exec();
}
