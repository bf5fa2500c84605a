// What only the Qt backend can get wrong: its pure translations (sizing band,
// picker formats, fonts, dialog units, platform choice, shipped files) and
// the menu it shows. What it loads late is checked in the real program. The rules themselves are the core's tests; the whole program on a
// real display is scripts/e2e-qt.sh.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "countdown/countdown_window.h"
#include "qt/dialog_units.h"
#include "qt/font_mapping.h"
#include "qt/frame_band.h"
#include "qt/platform_choice.h"
#include "qt/qt_services.h"
#include "qt/time_format.h"
#include "qt/timer_widget.h"
#include "qt/timer_window_events.h"

Q_DECLARE_METATYPE(Qt::Edges)
Q_DECLARE_METATYPE(LogFont)

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

    const QString shipped_ = QUILLASTOR_QT_SHIPPED_DIR;
    QtPlatform platform_{"", "/nonexistent-config", shipped_.toStdString(), {shipped_.toStdString()}};

private Q_SLOTS:
    void initTestCase() { installJapaneseFaceSubstitutes(); }

    void bandEdges_data() {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<Qt::Edges>("edges");
        QTest::newRow("first client pixel") << QPoint(4, 4) << QSize(100, 40) << Qt::Edges();
        QTest::newRow("last client pixel") << QPoint(95, 35) << QSize(100, 40) << Qt::Edges();
        QTest::newRow("left band") << QPoint(3, 20) << QSize(100, 40) << Qt::Edges(Qt::LeftEdge);
        QTest::newRow("right band") << QPoint(96, 20) << QSize(100, 40) << Qt::Edges(Qt::RightEdge);
        QTest::newRow("bottom band") << QPoint(50, 39) << QSize(100, 40) << Qt::Edges(Qt::BottomEdge);
        QTest::newRow("top-left corner") << QPoint(1, 2) << QSize(100, 40) << (Qt::LeftEdge | Qt::TopEdge);
        QTest::newRow("narrow, nearer left") << QPoint(1, 20) << QSize(6, 40) << Qt::Edges(Qt::LeftEdge);
        QTest::newRow("narrow, nearer right") << QPoint(5, 20) << QSize(6, 40) << Qt::Edges(Qt::RightEdge);
    }
    void bandEdges() {
        QFETCH(QPoint, pos);
        QFETCH(QSize, outer);
        QFETCH(Qt::Edges, edges);
        QCOMPARE(bandEdgesAt(pos, outer, 4), edges);
    }

    void pickerFormats_data() {
        QTest::addColumn<QString>("picker");
        QTest::addColumn<QString>("qt");
        QTest::newRow("duration") << QString::fromUtf8("HH時間mm分ss秒") << QString::fromUtf8("HH'時間'mm'分'ss'秒'");
        QTest::newRow("am pm marker") << "hh:mm tt" << "hh':'mm' 'AP";
        QTest::newRow("quoted picker text") << "HH'h'mm" << "HH'h'mm";
        QTest::newRow("apostrophe literal") << "HH''mm" << "HHmm";
    }
    void pickerFormats() {
        QFETCH(QString, picker);
        QFETCH(QString, qt);
        QCOMPARE(toQtTimeFormat(picker), qt);
    }

    void fonts_data() {
        QTest::addColumn<LogFont>("logFont");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("weight");
        QTest::newRow("negative is the em height") << gothic(-40, 700, 1) << 40 << int(QFont::Bold);
        QTest::newRow("zero takes the default") << gothic(0) << kDefaultFontPixels << int(QFont::Normal);
        QTest::newRow("huge is bounded") << gothic(-1000000) << kMaxFontPixels << int(QFont::Normal);
        QTest::newRow("most negative is bounded") << gothic(INT32_MIN) << kMaxFontPixels << int(QFont::Normal);
    }
    void fonts() {
        QFETCH(LogFont, logFont);
        QFETCH(int, pixels);
        QFETCH(int, weight);
        const QFont font = fontFromLogFont(logFont);
        QCOMPARE(font.pixelSize(), pixels);
        QCOMPARE(int(font.weight()), weight);
        QCOMPARE(font.italic(), logFont.lfItalic != 0);
        QVERIFY2(QFontInfo(font).family().contains("IPA"), qPrintable(QFontInfo(font).family()));
    }

    void positiveHeightIsTheCellHeight() {
        const QFont font = fontFromLogFont(gothic(60));
        QVERIFY(font.pixelSize() < 60);
        QVERIFY(qAbs(QFontMetrics(font).height() - 60) <= 2);
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

    void templateUnitsAndFont() {
        QCOMPARE(dialogUnitsToPixels(DialogBaseUnits{6, 12}, 7, 58, 50, 14), QRect(11, 87, 75, 21));
        const LogFont lf = templateLogFont("ＭＳ Ｐゴシック", 12);
        QCOMPARE(lf.lfHeight, -16);  // 96 dpi offscreen
    }

    void platform_data() {
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("X11 offered, nothing chosen") << QByteArray() << QByteArray(":0") << "xcb";
        QTest::newRow("empty choice is no choice") << QByteArray("") << QByteArray(":0") << "xcb";
        QTest::newRow("user chose Wayland") << QByteArray("wayland") << QByteArray(":0") << "";
        QTest::newRow("no X11") << QByteArray() << QByteArray() << "";
        QTest::newRow("empty DISPLAY is no X11") << QByteArray() << QByteArray("") << "";
    }
    void platform() {
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArray, display);
        QFETCH(QString, chosen);
        const auto value = [](const QByteArray& v) { return v.isNull() ? nullptr : v.constData(); };
        QCOMPARE(QString::fromStdString(chooseQtPlatform(value(qpa), value(display))), chosen);
    }

    void shippedFilesBesideOrUnderShare() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("bin");
        const std::string exe = dir.filePath("bin/QuillastorTimer").toStdString();
        QCOMPARE(shippedFilesDir(exe, "../share/q"), dir.filePath("share/q").toStdString());
        QFile(dir.filePath("bin/NotifySound.wav")).open(QIODevice::WriteOnly);
        QCOMPARE(shippedFilesDir(exe, "../share/q"), dir.filePath("bin").toStdString());
        const QtPlatform platform{"", "/nonexistent-config", dir.filePath("bin").toStdString(), {}};
        QCOMPARE(platform.sound.resolve("NotifySound.wav"), dir.filePath("bin/NotifySound.wav").toStdString());
    }

    void menuShowsTheOptionsChecked() {
        CountdownWindow window(platform_.services);
        window.createStateObjects();
        TimerWindowEvents events(window);
        TimerWidget widget(events, platform_.system);
        widget.initialise();
        QStringList shown;
        QTimer::singleShot(200, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QList<QAction*> items = menu->actions();
            for (QAction* a : menu->actions())
                if (a->menu()) items += a->menu()->actions();
            for (QAction* a : items) shown << (a->isChecked() ? "[x] " : "") + a->text();
            menu->close();
        });
        window.showContextMenu(10, 10);
        QCOMPARE(shown.mid(0, 4), QStringList({"3分", "10分", "1時間", "時間設定..."}));
        QVERIFY(shown.contains("[x] アラーム音を鳴らす") && shown.contains("最前面に表示"));
        QVERIFY(shown.contains("[x] 時間設定時に自動スタート") && shown.contains("[x] 計測中に下線を表示"));
    }
};

QTEST_MAIN(BackendTest)
#include "backend_test.moc"
