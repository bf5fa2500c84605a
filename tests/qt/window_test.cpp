// The timer window as a user meets it: the widget with the real countdown
// window behind it, driven by mouse events with real timing, read back from
// grabbed images.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QScreen>
#include <QStyleHints>

#include "qt/font_mapping.h"
#include "timer_fixture.h"

namespace {

constexpr QRgb kFirstRunBack = qRgb(128, 128, 255);  // 0x00FF8080
constexpr QRgb kFirstRunText = qRgb(255, 255, 255);

int doubleClickMs() { return QGuiApplication::styleHints()->mouseDoubleClickInterval(); }

bool rowHasColour(const QImage& image, int y, int x0, int x1, QRgb colour) {
    for (int x = x0; x < x1; ++x)
        if (image.pixel(x, y) != colour) return false;
    return true;
}

bool areaHasColour(const QImage& image, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour) return true;
    return false;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<TimerFixture> f_;

    QString settingsPath() const { return dir_.filePath("QuillastorTimer.dat"); }
    QImage grab() const { return f_->widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

private Q_SLOTS:
    void initTestCase() { installJapaneseFaceSubstitutes(); }

    void init() {
        QFile::remove(settingsPath());
        f_ = std::make_unique<TimerFixture>(settingsPath());
        QVERIFY(f_->start());
    }
    void cleanup() { f_.reset(); }

    void soundLibrariesLoadOnlyWithTheFirstAlarm() {
        const auto multimediaMapped = [] {
            QFile maps("/proc/self/maps");
            return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
        };
        QVERIFY(!multimediaMapped());
        QVERIFY(!f_->platform.sound.moduleLoaded());
        f_->platform.sound.playLoop("NotifySound.wav");
        QVERIFY(f_->platform.sound.moduleLoaded());
        QVERIFY(multimediaMapped());
        f_->platform.sound.stop();
        QCOMPARE(f_->platform.sound.resolve("NotifySound.wav"),
                 QDir(QUILLASTOR_QT_SHIPPED_DIR).filePath("NotifySound.wav").toStdString());
    }

    void firstRunIsCentredFramelessToolWindow() {
        const Qt::WindowFlags flags = f_->widget.windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!flags.testFlag(Qt::WindowStaysOnTopHint));
        const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
        const QRect g = f_->widget.geometry();
        QCOMPARE(g.x(), (area.width() - g.width()) / 2);
        QCOMPARE(g.y(), (area.height() - g.height()) / 2);
        QCOMPARE(f_->shownText(), std::string("0:03:00"));
        // The client area took the width of the widest sample text in the
        // bold 12-point face; the band lies outside it.
        const Size text = f_->platform.text.measure(f_->window.settings().logFont(), "00:00:00");
        QCOMPARE(f_->widget.clientSize().cx, text.cx);
        QCOMPARE(f_->widget.width(), text.cx + 2 * f_->widget.frameThickness());
        QCOMPARE(f_->window.settings().logFont().lfWeight, 700);
    }

    void bandAndClientAreInTheColours() {
        const QImage image = grab();
        const int frame = f_->widget.frameThickness();
        QCOMPARE(image.size(), f_->widget.size());
        // The band all round is the background colour.
        QVERIFY(rowHasColour(image, 0, 0, image.width(), kFirstRunBack));
        QVERIFY(rowHasColour(image, image.height() - 1, 0, image.width(), kFirstRunBack));
        for (int y = 0; y < image.height(); ++y) {
            QCOMPARE(image.pixel(0, y), kFirstRunBack);
            QCOMPARE(image.pixel(image.width() - 1, y), kFirstRunBack);
        }
        // White digits in the middle of the client area, nowhere in the band.
        const QRect client(frame, frame, image.width() - 2 * frame, image.height() - 2 * frame);
        QVERIFY(areaHasColour(image, client, kFirstRunText));
        QVERIFY(!areaHasColour(image, QRect(0, 0, image.width(), frame), kFirstRunText));
        QVERIFY(!areaHasColour(image, QRect(0, 0, frame, image.height()), kFirstRunText));
    }

    void doubleClickStartsAtSecondRelease() {
        f_->clicks(2);
        QVERIFY(f_->window.displayState().running);
        QVERIFY(f_->widget.timerActive(CountdownWindow::kTickTimerId));
        // The underline bar along the bottom of the client area, in the text colour.
        const int frame = f_->widget.frameThickness();
        const QImage image = grab();
        QVERIFY(rowHasColour(image, image.height() - frame - 1, frame, image.width() - frame, kFirstRunText));
        QTRY_COMPARE_WITH_TIMEOUT(f_->shownText(), std::string("0:02:59"), 2000);
    }

    void singleClickDoesNothing() {
        f_->clicks(1);
        QTest::qWait(doubleClickMs() + 200);
        QVERIFY(!f_->window.displayState().running);
        QCOMPARE(f_->window.clickCount(), -1);
    }

    void tripleClickStopsAndResetsAfterTheInterval() {
        f_->clicks(2);
        QTRY_COMPARE_WITH_TIMEOUT(f_->shownText(), std::string("0:02:59"), 2000);
        QTest::qWait(doubleClickMs() + 100);  // the starting sequence is over
        f_->clicks(3);
        // The second release stopped it; the reset waits for the sequence end.
        QVERIFY(!f_->window.displayState().running);
        QVERIFY(f_->shownText() != "0:03:00");
        QTRY_COMPARE_WITH_TIMEOUT(f_->shownText(), std::string("0:03:00"), doubleClickMs() + 500);
        QVERIFY(!f_->widget.timerActive(CountdownWindow::kTickTimerId));
    }

    void doubleClickEventCountsAsOnePress() {
        // A second press delivered only as a double-click event.
        const QPoint local = f_->clientCentre();
        const QPoint global = f_->widget.mapToGlobal(local);
        const auto send = [&](QEvent::Type type, Qt::MouseButtons buttons, quint64 time) {
            QMouseEvent event(type, local, local, global, Qt::LeftButton, buttons, {},
                              QPointingDevice::primaryPointingDevice());
            event.setTimestamp(time);
            QApplication::sendEvent(&f_->widget, &event);
        };
        send(QEvent::MouseButtonPress, Qt::LeftButton, 1000);
        send(QEvent::MouseButtonRelease, Qt::NoButton, 1050);
        send(QEvent::MouseButtonDblClick, Qt::LeftButton, 1100);
        send(QEvent::MouseButtonRelease, Qt::NoButton, 1150);
        QCOMPARE(f_->window.clickCount(), 2);
        QVERIFY(f_->window.displayState().running);
        // A press followed by a double-click event of the same press is one press.
        send(QEvent::MouseButtonPress, Qt::LeftButton, 1200);
        send(QEvent::MouseButtonDblClick, Qt::LeftButton, 1200);
        send(QEvent::MouseButtonRelease, Qt::NoButton, 1250);
        QCOMPARE(f_->window.clickCount(), 3);
    }

    void dragMovesTheWindowWithoutClicking() {
        const QPoint before = f_->widget.pos();
        const QPoint start = f_->clientCentre();
        const QPoint grab = f_->widget.mapToGlobal(start);
        // The pointer moves over the screen; its position in the window
        // follows from where the window is at each step.
        const auto local = [&](QPoint offset) { return grab + offset - f_->widget.mapToGlobal(QPoint(0, 0)); };
        QTest::mousePress(&f_->widget, Qt::LeftButton, {}, start);
        for (int step = 1; step <= 5; ++step) QTest::mouseMove(&f_->widget, local(QPoint(6 * step, 4 * step)), 10);
        QTest::mouseRelease(&f_->widget, Qt::LeftButton, {}, local(QPoint(30, 20)), 10);
        QCOMPARE(f_->widget.pos(), before + QPoint(30, 20));
        QCOMPARE(f_->window.clickCount(), -1);
        QTest::qWait(doubleClickMs() + 100);
        QVERIFY(!f_->window.displayState().running);
    }

    void dragBeginsOnlyBeyondThePlatformThreshold() {
        const int threshold = QGuiApplication::styleHints()->startDragDistance();
        const QPoint before = f_->widget.pos();
        const QPoint start = f_->clientCentre();
        QTest::mousePress(&f_->widget, Qt::LeftButton, {}, start);
        QTest::mouseMove(&f_->widget, start + QPoint(threshold, -threshold), 10);
        QCOMPARE(f_->widget.pos(), before);
        QTest::mouseMove(&f_->widget, start + QPoint(threshold + 1, 0), 10);
        QCOMPARE(f_->widget.pos(), before + QPoint(threshold + 1, 0));
        QTest::mouseRelease(&f_->widget, Qt::LeftButton, {}, start, 10);
    }

    void pressesInTheBandDoNotReachTheTimer() {
        for (int i = 0; i < 2; ++i) {
            f_->click(QPoint(1, 1));
            QTest::qWait(40);
        }
        QCOMPARE(f_->window.clickCount(), -1);
        QVERIFY(!f_->window.displayState().running);
    }

    void oneSecondCountdownRaisesAndDismissesTheAlarm() {
        f_->window.countdownSettings().alarmSound = 0;
        const QPoint home(20, 30);
        f_->widget.move(home);
        f_->window.setCountdownDuration(1);  // auto-start is on at first run
        QVERIFY(f_->window.displayState().running);
        QTRY_VERIFY_WITH_TIMEOUT(f_->window.alarmActive(), 2500);
        const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(f_->widget.pos(), QPoint((area.width() - f_->widget.width()) / 2, (area.height() - f_->widget.height()) / 2));
        QVERIFY(f_->widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(f_->widget.timerActive(CountdownWindow::kFlashTimerId));
        // The flash inverts every colour, the band's too.
        const QRgb inverted = qRgb(127, 127, 0);
        QTRY_COMPARE_WITH_TIMEOUT(grab().pixel(0, 0), inverted, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(grab().pixel(0, 0), kFirstRunBack, 2000);
        f_->click(f_->clientCentre());
        QVERIFY(!f_->window.alarmActive());
        QCOMPARE(f_->widget.pos(), home);
        QVERIFY(!f_->widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!f_->widget.timerActive(CountdownWindow::kFlashTimerId));
        QCOMPARE(f_->shownText(), std::string("0:00:01"));
    }

    void menuShowsChecksAndTogglesTopmost() {
        QStringList captions;
        bool underlineChecked = false;
        bool topmostCheckedBefore = true;
        rightClick(*f_, [&](QMenu& menu) {
            for (QAction* a : menu.actions()) captions << a->text();
            topmostCheckedBefore = findAction(menu, QString::fromUtf8("最前面に表示"))->isChecked();
            QMenu* details = findAction(menu, QString::fromUtf8("詳細設定"))->menu();
            underlineChecked = findAction(*details, QString::fromUtf8("計測中に下線を表示"))->isChecked();
            clickMenuItem(menu, findAction(menu, QString::fromUtf8("最前面に表示")));
        });
        QCOMPARE(captions.first(), QString::fromUtf8("3分"));
        QVERIFY(captions.contains(QString::fromUtf8("10分")));
        QVERIFY(captions.contains(QString::fromUtf8("1時間")));
        QVERIFY(captions.contains(QString::fromUtf8("終了")));
        QVERIFY(!topmostCheckedBefore);
        QVERIFY(underlineChecked);
        QCOMPARE(f_->window.settings().topmost, 1);
        QVERIFY(f_->widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void menuItemInSubmenuTogglesUnderline() {
        rightClick(*f_, [](QMenu& menu) {
            QAction* details = findAction(menu, QString::fromUtf8("詳細設定"));
            clickMenuItem(menu, details);
            whenMenu([](QMenu& sub) { clickMenuItem(sub, findAction(sub, QString::fromUtf8("計測中に下線を表示"))); });
        });
        QCOMPARE(f_->window.settings().underline, 0);
    }

    void registeredTimeFromTheMenuSetsAndStarts() {
        rightClick(*f_, [](QMenu& menu) { clickMenuItem(menu, findAction(menu, QString::fromUtf8("10分"))); });
        QCOMPARE(f_->window.countdown().duration(), 600);
        QVERIFY(f_->window.displayState().running);
        QCOMPARE(f_->shownText(), std::string("0:10:00"));
    }

    void exitWritesTheSettingsAndTheNextStartRestoresThem() {
        f_.reset();
        QFile::remove(settingsPath());
        int result = 0;
        QRect saved;
        {
            TimerFixture first(settingsPath());
            QTimer::singleShot(0, [&] {
                QVERIFY(QTest::qWaitForWindowExposed(&first.widget));
                first.widget.move(40, 50);
                saved = first.widget.geometry();
                rightClick(first, [](QMenu& menu) { clickMenuItem(menu, findAction(menu, QString::fromUtf8("終了"))); });
            });
            result = first.widget.runModal();
        }
        QCOMPARE(result, 1);
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size(), qint64(116 + 4 * 3));
        file.close();
        TimerFixture second(settingsPath());
        QVERIFY(second.start());
        QCOMPARE(second.widget.geometry(), saved);
        QCOMPARE(second.window.countdownSettings().registeredTimes.size(), std::size_t{3});
        f_ = std::make_unique<TimerFixture>(settingsPath());  // for cleanup
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
