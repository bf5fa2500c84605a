// The two time dialogs as QDialogs driven by the core dialog classes,
// operated through their widgets.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimeEdit>

#include "dialogs/registered_times_dialog.h"
#include "dialogs/set_time_dialog.h"
#include "qt/dialog_units.h"
#include "qt/font_mapping.h"
#include "qt/qt_dialog_runner.h"
#include "qt/qt_local_clock.h"
#include "qt/qt_message_boxes.h"
#include "qt/template_dialog.h"
#include "timer_fixture.h"

namespace {

template <typename T>
T* child(QDialog& dialog, int id) {
    return dialog.findChild<T*>(controlName(id));
}

QStringList items(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
    return out;
}

void click(QDialog& dialog, int id) { QTest::mouseClick(child<QPushButton>(dialog, id), Qt::LeftButton); }

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    QtMessageBoxes messages_;
    QtLocalClock clock_;
    QtDialogRunner runner_;

private Q_SLOTS:
    void initTestCase() { installJapaneseFaceSubstitutes(); }

    void setTimeDialogFollowsItsTemplate() {
        SetTimeDialog core(messages_, clock_);
        core.setDuration(3661);
        QString caption, shown, format;
        QRect okRect, checkRect;
        QSize size;
        DialogBaseUnits base;
        whenDialog([&](QDialog& d) {
            caption = d.windowTitle();
            size = d.size();
            base = dialogBaseUnits(d.font());
            okRect = child<QPushButton>(d, 1)->geometry();
            checkRect = child<QCheckBox>(d, 1004)->geometry();
            shown = child<QTimeEdit>(d, 1007)->text();
            format = child<QTimeEdit>(d, 1007)->displayFormat();
            QVERIFY(child<QPushButton>(d, 1)->isDefault());
            QCOMPARE(child<QPushButton>(d, 2)->text(), QString::fromUtf8("ｷｬﾝｾﾙ"));
            QVERIFY(child<QCheckBox>(d, 1004)->isEnabled());
            click(d, 2);
        });
        QCOMPARE(runner_.runSetTime(core), int(kDialogCancel));
        QCOMPARE(caption, QString::fromUtf8("カウントダウン時間を設定"));
        QCOMPARE(size, dialogUnitsToPixels(base, 0, 0, 133, 79).size());
        QCOMPARE(okRect, dialogUnitsToPixels(base, 7, 58, 50, 14));
        QCOMPARE(checkRect, dialogUnitsToPixels(base, 12, 13, 105, 10));
        QCOMPARE(shown, QString::fromUtf8("01時間01分01秒"));
        QCOMPARE(format, QString::fromUtf8("HH'時間'mm'分'ss'秒'"));
    }

    void zeroIsRefusedThenOneSecondIsAccepted() {
        SetTimeDialog core(messages_, clock_);
        core.setDuration(180);
        QString message, messageTitle;
        bool stillOpen = false;
        whenDialog([&](QDialog& d) {
            child<QTimeEdit>(d, 1007)->setTime(QTime(0, 0, 0));
            whenModal<QMessageBox>([&](QMessageBox& box) {
                message = box.text();
                messageTitle = box.windowTitle();
                box.accept();
            });
            click(d, 1);
            stillOpen = d.isVisible();
            child<QTimeEdit>(d, 1007)->setTime(QTime(0, 0, 1));
            click(d, 1);
        });
        QCOMPARE(runner_.runSetTime(core), int(kDialogOk));
        QCOMPARE(message, QString::fromUtf8("1秒以上の値を指定してください。"));
        QCOMPARE(messageTitle, QCoreApplication::applicationName());
        QVERIFY(stillOpen);
        QCOMPARE(core.durationSeconds(), 1);
        QVERIFY(!core.isClockTime());
    }

    void clockTimeBoxSwitchesFormatAndRemembersTheDuration() {
        SetTimeDialog core(messages_, clock_);
        core.setDuration(125);
        QString clockFormat, restored;
        QTime clockShown;
        whenDialog([&](QDialog& d) {
            QTest::mouseClick(child<QCheckBox>(d, 1004), Qt::LeftButton);
            clockFormat = child<QTimeEdit>(d, 1007)->displayFormat();
            clockShown = child<QTimeEdit>(d, 1007)->time();
            child<QTimeEdit>(d, 1007)->setTime(QTime(7, 30));
            QTest::mouseClick(child<QCheckBox>(d, 1004), Qt::LeftButton);
            restored = child<QTimeEdit>(d, 1007)->text();
            QTest::mouseClick(child<QCheckBox>(d, 1004), Qt::LeftButton);
            child<QTimeEdit>(d, 1007)->setTime(QTime(7, 30, 45));
            QTest::keyClick(&d, Qt::Key_Return);  // the default button
        });
        QCOMPARE(runner_.runSetTime(core), int(kDialogOk));
        QCOMPARE(clockFormat, QString::fromUtf8("HH'時'mm'分'"));
        QVERIFY(qAbs(clockShown.secsTo(QTime::currentTime())) < 5);
        QCOMPARE(restored, QString::fromUtf8("00時間02分05秒"));
        QVERIFY(core.isClockTime());
        QCOMPARE(core.durationSeconds(), 7 * 3600 + 30 * 60);  // taken to the minute
    }

    void escapeCancels() {
        SetTimeDialog core(messages_, clock_);
        core.setDuration(60);
        whenDialog([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        QCOMPARE(runner_.runSetTime(core), int(kDialogCancel));
    }

    void registeredTimesAreEditedThroughTheList() {
        RegisteredTimesDialog core(runner_, messages_, clock_);
        core.setMaxCount(5);
        core.setTimes({180, 600, 3600});
        QStringList opened, afterEdit, afterDelete;
        int selectedAtOpen = -2;
        bool addEnabledAtFive = true, addEnabledAfterDelete = false;
        QString explanation;
        whenDialog([&](QDialog& d) {
            QListWidget& list = *child<QListWidget>(d, 1011);
            opened = items(list);
            selectedAtOpen = list.currentRow();
            explanation = d.findChild<QLabel*>(controlName(-1))->text();
            // Edit the second entry to 90 seconds in the nested set-time dialog.
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
            whenShown([&d] { return QApplication::activeModalWidget() != &d ? QApplication::activeModalWidget() : nullptr; },
                      [](QWidget& w) {
                          auto& nested = static_cast<QDialog&>(w);
                          QVERIFY(!child<QCheckBox>(nested, 1004)->isEnabled());
                          child<QTimeEdit>(nested, 1007)->setTime(QTime(0, 1, 30));
                          click(nested, 1);
                      });
            click(d, 1010);
            afterEdit = items(list);
            // Two more through Add (pre-filled with three minutes) fill the list.
            for (int i = 0; i < 2; ++i) {
                whenShown([&d] { return QApplication::activeModalWidget() != &d ? QApplication::activeModalWidget() : nullptr; },
                          [](QWidget& w) { click(static_cast<QDialog&>(w), 1); });
                click(d, 1008);
            }
            addEnabledAtFive = child<QPushButton>(d, 1008)->isEnabled();
            // Delete the last: the new last is selected, Add comes back.
            click(d, 1009);
            afterDelete = items(list);
            addEnabledAfterDelete = child<QPushButton>(d, 1008)->isEnabled();
            QCOMPARE(list.currentRow(), 3);
            click(d, 1);
        });
        QCOMPARE(runner_.runRegisteredTimes(core), int(kDialogOk));
        QCOMPARE(opened, (QStringList{QString::fromUtf8("3分"), QString::fromUtf8("10分"), QString::fromUtf8("1時間")}));
        QCOMPARE(selectedAtOpen, 0);
        QVERIFY(explanation.contains(QString::fromUtf8("５件まで")));
        QCOMPARE(afterEdit, (QStringList{QString::fromUtf8("3分"), QString::fromUtf8("1分30秒"), QString::fromUtf8("1時間")}));
        QVERIFY(!addEnabledAtFive);
        QCOMPARE(afterDelete.size(), 4);
        QVERIFY(addEnabledAfterDelete);
        QCOMPARE(core.times(), (std::vector<uint32_t>{180, 90, 3600, 180}));
    }

    void deletingTheOnlyEntryGreysEditAndDelete() {
        RegisteredTimesDialog core(runner_, messages_, clock_);
        core.setMaxCount(5);
        core.setTimes({60});
        bool editEnabled = true, deleteEnabled = true;
        whenDialog([&](QDialog& d) {
            click(d, 1009);
            editEnabled = child<QPushButton>(d, 1010)->isEnabled();
            deleteEnabled = child<QPushButton>(d, 1009)->isEnabled();
            click(d, 2);
        });
        QCOMPARE(runner_.runRegisteredTimes(core), int(kDialogCancel));
        QVERIFY(!editEnabled);
        QVERIFY(!deleteEnabled);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
