// The Qt backend's pure translations: sizing band, window geometry, fonts,
// dialog units, platform choice, shipped files.
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTest>

#include "qt/dialog_units.h"
#include "qt/font_mapping.h"
#include "qt/frame_band.h"
#include "qt/platform_choice.h"
#include "qt/qt_services.h"
#include "qt/time_format.h"
#include "qt/window_geometry.h"

namespace {

LogFont gothic(int32_t height, int32_t weight = 0, uint8_t italic = 0) {
    LogFont lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    setFaceNameUtf8(lf, "ＭＳ Ｐゴシック");
    return lf;
}

}  // namespace

class BackendTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installJapaneseFaceSubstitutes(); }

    void bandEdges() {
        const struct { const char* name; QPoint pos; QSize outer; Qt::Edges edges; } rows[] = {
            {"first client pixel", {4, 4}, {100, 40}, {}},
            {"last client pixel", {95, 35}, {100, 40}, {}},
            {"last top-left band pixel", {3, 3}, {100, 40}, Qt::LeftEdge | Qt::TopEdge},
            {"first bottom-right band pixel", {96, 36}, {100, 40}, Qt::RightEdge | Qt::BottomEdge},
            {"narrow, nearer left", {1, 20}, {6, 40}, Qt::LeftEdge},
            {"narrow, nearer right", {5, 20}, {6, 40}, Qt::RightEdge},
        };
        for (const auto& row : rows) QVERIFY2(bandEdgesAt(row.pos, row.outer, 4) == row.edges, row.name);
    }

    // X places through scaled screens that need not start at (0, 0), Qt's
    // stale record of the place, and drags of the border in the program.
    void windowGeometry() {
        const QList<ScreenSpace> sideBySide{{QRect(0, 0, 960, 540), 2.0}, {QRect(1920, 0, 960, 540), 2.0}};
        const QList<ScreenSpace> stacked{{QRect(1920, 0, 1280, 720), 2.0}, {QRect(0, 1080, 960, 540), 2.0}};
        QCOMPARE(WindowGeometry::fromNative({2780, 200}, sideBySide), QPoint(2350, 100));
        QCOMPARE(WindowGeometry::fromNative({100, 1180}, stacked), QPoint(50, 1130));
        WindowGeometry geometry;
        geometry.learnNative({2780, 200}, sideBySide);
        const Point client = geometry.clientPoint({2360.0, 110.0}, 4);
        QCOMPARE(QPoint(client.x, client.y), QPoint(6, 6));
        QCOMPARE(geometry.correctionOf({0, 0}), std::optional<QPoint>(QPoint(2350, 100)));
        geometry.placed({300, 200});  // where X does not tell, Qt is not moved
        QCOMPARE(geometry.correctionOf({0, 0}), std::nullopt);
        const QRect start(100, 100, 300, 50);
        const QSize least = WindowGeometry::userMinimum(start.size(), 4);
        QCOMPARE(WindowGeometry::resized(start, Qt::BottomEdge, {0, 60}, least), QRect(100, 100, 300, 110));
        QCOMPARE(WindowGeometry::resized(start, Qt::RightEdge, {-400, 0}, least), QRect(100, 100, 24, 50));
        QCOMPARE(WindowGeometry::userMinimum({10, 300}, 4), QSize(10, 24));  // a small window is not grown
    }

    void fonts() {
        const struct { const char* name; LogFont logFont; int pixels, weight; } rows[] = {
            {"negative is the em height", gothic(-40, 700, 1), 40, QFont::Bold},
            {"zero takes the default", gothic(0), kDefaultFontPixels, QFont::Normal},
            {"most negative is bounded", gothic(INT32_MIN), kMaxFontPixels, QFont::Normal},
        };
        for (const auto& row : rows) {
            const QFont font = fontFromLogFont(row.logFont);
            QVERIFY2(font.pixelSize() == row.pixels && font.weight() == row.weight, row.name);
            QVERIFY2(font.italic() == (row.logFont.lfItalic != 0), row.name);
            QVERIFY2(QFontInfo(font).family().contains("IPA"), qPrintable(QFontInfo(font).family()));
        }
        const QFont cell = fontFromLogFont(gothic(60));  // positive: the cell height
        QVERIFY(cell.pixelSize() < 60 && qAbs(QFontMetrics(cell).height() - 60) <= 2);
    }

    void chosenFontKeepsWhatQtHasNot() {
        LogFont base;
        base.lfCharSet = 128;
        const LogFont lf = logFontFromFont(QFont(QStringLiteral("IPAGothic"), 24, QFont::DemiBold), base, 96.0);
        QCOMPARE(lf.lfHeight, -32);
        QCOMPARE(lf.lfWeight, 600);
        QCOMPARE(lf.lfCharSet, uint8_t{128});
        QCOMPARE(faceNameUtf8(lf).value_or(""), std::string("IPAGothic"));
    }

    // The duration format is seen in the dialogs' test; the clock format only here.
    void templateUnitsFontAndClockFormat() {
        QCOMPARE(dialogUnitsToPixels(DialogBaseUnits{6, 12}, 7, 58, 50, 14), QRect(11, 87, 75, 21));
        QCOMPARE(templateLogFont("ＭＳ Ｐゴシック", 12).lfHeight, -16);  // 96 dpi offscreen
        QCOMPARE(toQtTimeFormat(QString::fromUtf8("HH時mm分")), QString::fromUtf8("HH'時'mm'分'"));
    }

    void platformChoice() {
        const struct { const char* name; const char* qpa; const char* display; const char* chosen; } rows[] = {
            {"X11 offered, nothing chosen", nullptr, ":0", "xcb;wayland"},
            {"empty choice is no choice", "", ":0", "xcb;wayland"},
            {"user chose Wayland", "wayland", ":0", ""},
            {"no X11", nullptr, nullptr, ""},
            {"empty DISPLAY is no X11", nullptr, "", ""},
        };
        for (const auto& row : rows) QVERIFY2(chooseQtPlatform(row.qpa, row.display) == row.chosen, row.name);
    }

    void shippedFilesBesideOrUnderShare() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("bin");
        const std::string exe = dir.filePath("bin/QuillastorTimer").toStdString();
        QCOMPARE(shippedFilesDir(exe, "../share/q"), dir.filePath("share/q").toStdString());
        QFile(dir.filePath("bin/NotifySound.wav")).open(QIODevice::WriteOnly);
        QCOMPARE(shippedFilesDir(exe, "../share/q"), dir.filePath("bin").toStdString());
        const QtPlatform platform{"", "/nonexistent-config", dir.filePath("bin").toStdString(), {}, Texts()};
        QCOMPARE(platform.sound.resolve("NotifySound.wav"), dir.filePath("bin/NotifySound.wav").toStdString());
    }
};

QTEST_MAIN(BackendTest)
#include "backend_test.moc"
