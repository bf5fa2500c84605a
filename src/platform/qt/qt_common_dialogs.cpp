#include "platform/qt/qt_common_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/font_mapping.h"
#include "platform/qt/qt_geometry.h"

namespace {

const QString kFontTitle = QString::fromUtf8("フォント");
const QString kTextColorTitle = QString::fromUtf8("文字の色");
const QString kBackColorTitle = QString::fromUtf8("色の設定");

}  // namespace

std::optional<FontChoice> QtCommonDialogs::chooseFont(const LogFont& initial, ColorRef initialColor) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, fontFromLogFont(initial), QApplication::activeWindow(), kFontTitle);
    if (!ok) return std::nullopt;
    const QScreen* screen = QGuiApplication::primaryScreen();
    FontChoice choice{logFontFromFont(font, initial, screen ? screen->logicalDotsPerInchY() : 96.0), initialColor};
    // The text colour comes next; cancelling it keeps the colour as it was.
    const QColor color = QColorDialog::getColor(toQColor(initialColor), QApplication::activeWindow(), kTextColorTitle);
    if (color.isValid()) choice.color = toColorRef(color);
    return choice;
}

std::optional<ColorRef> QtCommonDialogs::chooseColor(ColorRef initial) {
    const QColor color = QColorDialog::getColor(toQColor(initial), QApplication::activeWindow(), kBackColorTitle);
    if (!color.isValid()) return std::nullopt;
    return toColorRef(color);
}
