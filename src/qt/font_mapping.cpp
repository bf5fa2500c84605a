#include "qt/font_mapping.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

int pixelsForCellHeight(QFont font, int cellHeight) {
    // Fonts scale linearly: measure once at the cell height and scale back.
    font.setPixelSize(cellHeight);
    const int measured = QFontMetrics(font).height();
    if (measured <= 0) return cellHeight;
    return std::max(1, static_cast<int>(std::lround(double(cellHeight) * cellHeight / measured)));
}

}  // namespace

QFont fontFromLogFont(const LogFont& lf) {
    QFont font;
    const auto face = faceNameUtf8(lf);
    if (face && !face->empty()) font.setFamily(QString::fromStdString(*face));
    const int weight = lf.lfWeight == 0 ? 400 : std::clamp(lf.lfWeight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    // Heights from a hand-edited file are bounded so no glyph cache explodes.
    const int height = static_cast<int>(std::clamp<int64_t>(std::abs(int64_t{lf.lfHeight}), 0, kMaxFontPixels));
    if (lf.lfHeight < 0)
        font.setPixelSize(height);
    else if (lf.lfHeight > 0)
        font.setPixelSize(pixelsForCellHeight(font, height));
    else
        font.setPixelSize(kDefaultFontPixels);
    return font;
}

LogFont logFontFromFont(const QFont& font, const LogFont& base, double dpiY) {
    LogFont lf = base;
    int pixels = font.pixelSize();
    if (pixels <= 0) pixels = static_cast<int>(std::lround(font.pointSizeF() * dpiY / 72.0));
    lf.lfHeight = -std::max(1, pixels);
    lf.lfWidth = 0;
    lf.lfWeight = font.weight();
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    setFaceNameUtf8(lf, font.family().toStdString());
    return lf;
}

void installJapaneseFaceSubstitutes() {
    const QStringList proportional{"IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP", "VL PGothic"};
    const QStringList fixed{"IPAGothic", "IPAゴシック", "Noto Sans Mono CJK JP", "VL Gothic"};
    for (const char* face : {"ＭＳ Ｐゴシック", "MS PGothic", "MS UI Gothic", "Meiryo UI", "メイリオ"})
        QFont::insertSubstitutions(QString::fromUtf8(face), proportional);
    for (const char* face : {"ＭＳ ゴシック", "MS Gothic"})
        QFont::insertSubstitutions(QString::fromUtf8(face), fixed);
}

const QFont& cachedFont(const LogFont& lf) {
    struct Entry {
        LogFont key;
        QFont font;
        bool used = false;
    };
    static std::array<Entry, 4> entries;
    static std::size_t next = 0;
    for (const Entry& e : entries)
        if (e.used && e.key == lf) return e.font;
    Entry& slot = entries[next];
    next = (next + 1) % entries.size();
    slot = Entry{lf, fontFromLogFont(lf), true};
    return slot.font;
}
