// The pure pieces of the backend: sizing band, format conversion, font
// mapping, dialog units, where the settings file goes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTest>

#include "platform/file_store.h"
#include "qt/dialog_units.h"
#include "qt/folder_creating_store.h"
#include "qt/font_mapping.h"
#include "qt/frame_band.h"
#include "qt/qt_services.h"
#include "qt/settings_location.h"
#include "qt/time_format.h"

Q_DECLARE_METATYPE(Qt::Edges)

class GeometryFontTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installJapaneseFaceSubstitutes(); }

    void bandEdges_data() {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<Qt::Edges>("edges");
        // A 100 x 40 window with a 4-pixel band.
        QTest::newRow("client centre") << QPoint(50, 20) << Qt::Edges();
        QTest::newRow("first client pixel") << QPoint(4, 4) << Qt::Edges();
        QTest::newRow("last client pixel") << QPoint(95, 35) << Qt::Edges();
        QTest::newRow("left band") << QPoint(3, 20) << Qt::Edges(Qt::LeftEdge);
        QTest::newRow("right band") << QPoint(96, 20) << Qt::Edges(Qt::RightEdge);
        QTest::newRow("top band") << QPoint(50, 0) << Qt::Edges(Qt::TopEdge);
        QTest::newRow("bottom band") << QPoint(50, 39) << Qt::Edges(Qt::BottomEdge);
        QTest::newRow("top-left corner") << QPoint(1, 2) << (Qt::LeftEdge | Qt::TopEdge);
        QTest::newRow("bottom-right corner") << QPoint(99, 39) << (Qt::RightEdge | Qt::BottomEdge);
    }
    void bandEdges() {
        QFETCH(QPoint, pos);
        QFETCH(Qt::Edges, edges);
        QCOMPARE(bandEdgesAt(pos, QSize(100, 40), 4), edges);
    }

    void narrowWindowPrefersNearerEdge() {
        // 6 pixels wide: both bands overlap; the nearer side wins.
        QCOMPARE(bandEdgesAt(QPoint(1, 20), QSize(6, 40), 4), Qt::Edges(Qt::LeftEdge));
        QCOMPARE(bandEdgesAt(QPoint(5, 20), QSize(6, 40), 4), Qt::Edges(Qt::RightEdge));
    }

    void clientRectExcludesBand() {
        QCOMPARE(clientRectOf(QSize(100, 40), 4), QRect(4, 4, 92, 32));
        QCOMPARE(clientRectOf(QSize(6, 5), 4), QRect(4, 4, 0, 0));
    }

    void cornerCursors() {
        QCOMPARE(cursorForEdges(Qt::LeftEdge | Qt::TopEdge), Qt::SizeFDiagCursor);
        QCOMPARE(cursorForEdges(Qt::RightEdge | Qt::BottomEdge), Qt::SizeFDiagCursor);
        QCOMPARE(cursorForEdges(Qt::RightEdge | Qt::TopEdge), Qt::SizeBDiagCursor);
        QCOMPARE(cursorForEdges(Qt::LeftEdge | Qt::BottomEdge), Qt::SizeBDiagCursor);
        QCOMPARE(cursorForEdges(Qt::TopEdge), Qt::SizeVerCursor);
        QCOMPARE(cursorForEdges({}), Qt::ArrowCursor);
    }

    void pickerFormats_data() {
        QTest::addColumn<QString>("picker");
        QTest::addColumn<QString>("qt");
        QTest::newRow("duration") << QString::fromUtf8("HH時間mm分ss秒") << QString::fromUtf8("HH'時間'mm'分'ss'秒'");
        QTest::newRow("clock time") << QString::fromUtf8("HH時mm分") << QString::fromUtf8("HH'時'mm'分'");
        QTest::newRow("colons") << "H:mm:ss" << "H':'mm':'ss";
        QTest::newRow("am pm marker") << "hh:mm tt" << "hh':'mm' 'AP";
        QTest::newRow("quoted picker text") << "HH'h'mm" << "HH'h'mm";
        QTest::newRow("apostrophe literal") << "HH''mm" << "HHmm";
        QTest::newRow("only literal") << QString::fromUtf8("時間") << QString::fromUtf8("'時間'");
    }
    void pickerFormats() {
        QFETCH(QString, picker);
        QFETCH(QString, qt);
        QCOMPARE(toQtTimeFormat(picker), qt);
    }

    void convertedFormatShowsTheTime() {
        const QString format = toQtTimeFormat(QString::fromUtf8("HH時間mm分ss秒"));
        QCOMPARE(QTime(1, 2, 3).toString(format), QString::fromUtf8("01時間02分03秒"));
        QCOMPARE(QTime(13, 5, 0).toString(toQtTimeFormat(QString::fromUtf8("HH時mm分"))), QString::fromUtf8("13時05分"));
    }

    void negativeHeightIsCharacterHeight() {
        LogFont lf;
        lf.lfHeight = -40;
        lf.lfWeight = 700;
        lf.lfItalic = 1;
        lf.lfUnderline = 1;
        lf.lfStrikeOut = 1;
        QVERIFY(setFaceNameUtf8(lf, "ＭＳ Ｐゴシック"));
        const QFont font = fontFromLogFont(lf);
        QCOMPARE(font.pixelSize(), 40);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(font.italic());
        QVERIFY(font.underline());
        QVERIFY(font.strikeOut());
    }

    void positiveHeightIsCellHeight() {
        LogFont lf;
        lf.lfHeight = 60;
        QVERIFY(setFaceNameUtf8(lf, "ＭＳ Ｐゴシック"));
        const QFont font = fontFromLogFont(lf);
        QVERIFY(font.pixelSize() < 60);  // the cell holds leading above the em
        QVERIFY(qAbs(QFontMetrics(font).height() - 60) <= 2);
    }

    void zeroHeightAndWeightTakeDefaults() {
        const QFont font = fontFromLogFont(LogFont{});
        QCOMPARE(font.pixelSize(), kDefaultFontPixels);
        QCOMPARE(font.weight(), QFont::Normal);
    }

    void absurdHeightsAreBounded() {
        LogFont lf;
        lf.lfHeight = INT32_MIN;
        QCOMPARE(fontFromLogFont(lf).pixelSize(), kMaxFontPixels);
        lf.lfHeight = -1000000;
        QCOMPARE(fontFromLogFont(lf).pixelSize(), kMaxFontPixels);
    }

    void japaneseGothicFaceResolves() {
        LogFont lf;
        lf.lfHeight = -16;
        QVERIFY(setFaceNameUtf8(lf, "ＭＳ Ｐゴシック"));
        const QFontInfo info(fontFromLogFont(lf));
        QVERIFY2(info.family().contains("IPA", Qt::CaseInsensitive), qPrintable(info.family()));
    }

    void chosenFontKeepsFieldsQtDoesNotHave() {
        LogFont base;
        base.lfCharSet = 128;
        base.lfQuality = 5;
        QFont font(QStringLiteral("IPAGothic"));
        font.setPointSize(24);
        font.setItalic(true);
        font.setWeight(QFont::DemiBold);
        const LogFont lf = logFontFromFont(font, base, 96.0);
        QCOMPARE(lf.lfHeight, -32);
        QCOMPARE(lf.lfWeight, 600);
        QCOMPARE(lf.lfItalic, uint8_t{1});
        QCOMPARE(lf.lfCharSet, uint8_t{128});
        QCOMPARE(lf.lfQuality, uint8_t{5});
        QCOMPARE(faceNameUtf8(lf).value_or(""), std::string("IPAGothic"));
        // And back: the same pixel height and style.
        const QFont again = fontFromLogFont(lf);
        QCOMPARE(again.pixelSize(), 32);
        QVERIFY(again.italic());
    }

    void dialogUnitsScaleWithTheFont() {
        const DialogBaseUnits base{6, 12};
        // The set-time dialog's OK button: 7, 58, 50 x 14 units.
        QCOMPARE(dialogUnitsToPixels(base, 7, 58, 50, 14), QRect(11, 87, 75, 21));
        const DialogBaseUnits measured = dialogBaseUnits(fontFromLogFont(templateLogFont("ＭＳ Ｐゴシック", 9)));
        QVERIFY(measured.x >= 4 && measured.x <= 10);
        QVERIFY(measured.y >= 10 && measured.y <= 20);
    }

    void templateFontIsTwelvePointsNormal() {
        const LogFont lf = templateLogFont("ＭＳ Ｐゴシック", 12);
        QCOMPARE(lf.lfHeight, -16);  // 96 dpi on the offscreen screen
        QCOMPARE(lf.lfWeight, 0);
        QCOMPARE(lf.lfCharSet, uint8_t{1});
        QCOMPARE(faceNameUtf8(lf).value_or(""), std::string("ＭＳ Ｐゴシック"));
    }

    void settingsBesideWritableExecutable() {
        QTemporaryDir dir;
        const std::string exe = dir.filePath("QuillastorTimer").toStdString();
        QCOMPARE(chooseSettingsPath(exe, "/home/x/.config"), dir.filePath("QuillastorTimer.dat").toStdString());
    }

    void settingsInConfigHomeWhenFolderIsReadOnly() {
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool writable = QFileInfo(dir.path()).isWritable();  // root writes anyway
        const std::string exe = dir.filePath("QuillastorTimer").toStdString();
        const std::string path = chooseSettingsPath(exe, "/home/x/.config");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (writable) QSKIP("running as a user who can write into read-only folders");
        QCOMPARE(path, std::string("/home/x/.config/QuillastorTimer/QuillastorTimer.dat"));
    }

    void settingsInConfigHomeWithoutExecutablePath() {
        QCOMPARE(chooseSettingsPath("", "/cfg"), std::string("/cfg/QuillastorTimer/QuillastorTimer.dat"));
        QCOMPARE(chooseSettingsPath("/no/such/folder/QuillastorTimer", "/cfg"),
                 std::string("/cfg/QuillastorTimer/QuillastorTimer.dat"));
    }

    void shippedFilesBesideOrUnderShare() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("bin");
        const std::string exe = dir.filePath("bin/QuillastorTimer").toStdString();
        QCOMPARE(shippedFilesDir(exe, "../share/quillastor-timer"), dir.filePath("share/quillastor-timer").toStdString());
        QFile sound(dir.filePath("bin/NotifySound.wav"));
        QVERIFY(sound.open(QIODevice::WriteOnly));
        sound.close();
        QCOMPARE(shippedFilesDir(exe, "../share/quillastor-timer"), dir.filePath("bin").toStdString());
    }

    void savingCreatesTheConfigFolder() {
        QTemporaryDir dir;
        FolderCreatingStore store(systemFileStore());
        const std::string path = dir.filePath("a/QuillastorTimer/QuillastorTimer.dat").toStdString();
        QVERIFY(store.replaceAll(path, {1, 2, 3}));
        QCOMPARE(store.readAll(path).value_or(std::vector<uint8_t>{}), (std::vector<uint8_t>{1, 2, 3}));
    }
};

QTEST_MAIN(GeometryFontTest)
#include "geometry_font_test.moc"
