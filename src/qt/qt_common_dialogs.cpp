#include "qt/qt_common_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

#include "qt/dialog_setup.h"
#include "qt/font_mapping.h"
#include "qt/qt_geometry.h"

namespace {

QString title(const Texts& texts, TextId id) { return QString::fromUtf8(texts[id].data(), qsizetype(texts[id].size())); }

// The font as the dialog lists it: the face actually used (a substitute for
// a Windows face) and the size in points.
QFont dialogFont(const LogFont& initial, double dpiY) {
    const QFont realised = fontFromLogFont(initial);
    QFont font = realised;
    font.setFamily(QFontInfo(realised).family());
    font.setPointSizeF(realised.pixelSize() * 72.0 / dpiY);
    return font;
}

double screenDpiY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

std::optional<FontChoice> QtCommonDialogs::chooseFont(const LogFont& initial, ColorRef initialColor) {
    prepareForDialogs();
    const double dpiY = screenDpiY();
    QFontDialog dialog(dialogFont(initial, dpiY), QApplication::activeWindow());
    dialog.setWindowTitle(title(texts_, TextId::font_dialog_title));
    // What the dialog's lists made of the initial font: a face without bold
    // shows its regular style.
    const LogFont shown = logFontFromFont(dialog.currentFont(), initial, dpiY);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    FontChoice choice{logFontFromFont(dialog.selectedFont(), initial, dpiY), initialColor, shown};
    // The text colour comes next; cancelling it keeps the colour as it was.
    const QColor color = QColorDialog::getColor(toQColor(initialColor), QApplication::activeWindow(),
                                                title(texts_, TextId::color_dialog_text_title));
    if (color.isValid()) choice.color = toColorRef(color);
    return choice;
}

std::optional<ColorRef> QtCommonDialogs::chooseColor(ColorRef initial) {
    prepareForDialogs();
    const QColor color = QColorDialog::getColor(toQColor(initial), QApplication::activeWindow(),
                                                title(texts_, TextId::color_dialog_back_title));
    if (!color.isValid()) return std::nullopt;
    return toColorRef(color);
}
