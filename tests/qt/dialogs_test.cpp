// The time dialogs built from their templates, driven through their widgets:
// controls, keys, frames, message boxes, nesting.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <functional>

#include "qt/dialog_units.h"
#include "qt/time_format.h"

#include "dialogs/registered_times_dialog.h"
#include "dialogs/set_time_dialog.h"
#include "qt/font_mapping.h"
#include "qt/qt_dialog_runner.h"
#include "qt/qt_local_clock.h"
#include "qt/qt_message_boxes.h"
#include "qt/template_dialog.h"

namespace {

// Runs `action` on the next modal widget other than `under`, from inside the
// nested event loop that shows it.
void whenModal(std::function<void(QWidget&)> action, QWidget* under = nullptr) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == under || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        action(*modal);
    });
    timer->start(20);
}

template <typename T>
T* child(QWidget& dialog, int id) {
    return dialog.findChild<T*>(controlName(id));
}
void click(QWidget& dialog, int id) { QTest::mouseClick(child<QPushButton>(dialog, id), Qt::LeftButton); }
QTimeEdit& picker(QWidget& dialog) { return *child<QTimeEdit>(dialog, SetTimeDialog::kTimeControlId); }

QStringList items(QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
    return out;
}

bool fixedFrame(const QWidget& w) {
    return (w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) == Qt::WindowFlags();
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    QtMessageBoxes messages_;
    QtLocalClock clock_;
    QtDialogRunner runner_{japaneseTexts()};

private Q_SLOTS:
    void initTestCase() { installJapaneseFaceSubstitutes(); }

    void setTimeFollowsItsTemplateAndShowsTheCoresMessage() {
        SetTimeDialog core(messages_, clock_, japaneseTexts());
        core.setDuration(3661);
        QString caption, shown, message;
        bool framesFixed = false, stillOpen = false;
        whenModal([&](QWidget& d) {
            caption = d.windowTitle();
            shown = picker(d).text();
            picker(d).setTime(QTime(0, 0, 0));
            whenModal([&](QWidget& box) {
                message = static_cast<QMessageBox&>(box).text();
                framesFixed = fixedFrame(d) && fixedFrame(box) && box.windowTitle() == QCoreApplication::applicationName();
                static_cast<QMessageBox&>(box).accept();
            }, &d);
            click(d, 1);
            stillOpen = d.isVisible();
            picker(d).setTime(QTime(0, 0, 1));
            click(d, 1);
        });
        QCOMPARE(runner_.runSetTime(core), int(kDialogOk));
        QCOMPARE(caption, QString::fromUtf8("カウントダウン時間を設定"));
        QCOMPARE(shown, QString::fromUtf8("01時間01分01秒"));
        QCOMPARE(message, QString::fromUtf8("1秒以上の値を指定してください。"));
        QVERIFY(framesFixed && stillOpen);
    }

    // Each language's texts show whole, in controls no smaller than the template's.
    void textsFitTheirControls() {
        namespace dt = dialog_texts;
        const std::pair<const dt::DialogLayout*, std::span<const dt::ControlLayout>> dialogs[] = {
            {&dt::kSetTimeDialog, dt::kSetTimeControls}, {&dt::kRegisteredTimesDialog, dt::kRegisteredTimesControls}};
        for (const Texts& texts : {japaneseTexts(), Texts()}) {
            for (const auto& [layout, controls] : dialogs) {
                TemplateDialog d(*layout, controls, texts, nullptr);
                const DialogBaseUnits base = dialogBaseUnits(d.font());
                for (const dt::ControlLayout& c : controls) {
                    const QWidget* w = d.findChildren<QWidget*>(controlName(c.id), Qt::FindDirectChildrenOnly).first();
                    QVERIFY(w->size().expandedTo(dialogUnitsToPixels(base, 0, 0, c.rect.width, c.rect.height).size()) == w->size());
                    QSize need = qobject_cast<const QLabel*>(w) ? w->sizeHint() : QSize();
                    if (qobject_cast<const QCheckBox*>(w)) need.setWidth(w->sizeHint().width());  // its box is shorter than its margins
                    if (auto* button = qobject_cast<const QPushButton*>(w)) need.setWidth(w->fontMetrics().horizontalAdvance(button->text()));
                    if (auto* edit = qobject_cast<QTimeEdit*>(const_cast<QWidget*>(w))) {
                        for (const TextId format : {TextId::set_time_duration_format, TextId::set_time_clock_format}) {
                            edit->setDisplayFormat(toQtTimeFormat(QString::fromUtf8(texts[format].data(), texts[format].size())));
                            need = need.expandedTo({edit->sizeHint().width(), 0});
                        }
                    }
                    QVERIFY2(need.width() <= w->width() && need.height() <= w->height(),
                             qPrintable(QStringLiteral("%1 in %2").arg(c.id).arg(texts.language().data())));
                }
            }
        }
    }

    // An edit through a nested dialog and a delete show in the list; Escape cancels.
    void registeredTimesAreEditedThroughTheList() {
        RegisteredTimesDialog core(runner_, messages_, clock_, japaneseTexts());
        core.setTimes({180, 600, 3600});
        QStringList edited, deleted;
        whenModal([&](QWidget& d) {
            auto& list = *child<QListWidget>(d, RegisteredTimesDialog::kListId);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
            whenModal([&](QWidget& nested) {
                picker(nested).setTime(QTime(0, 1, 30));
                click(nested, 1);
            }, &d);
            click(d, RegisteredTimesDialog::kEditId);
            edited = items(list);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
            click(d, RegisteredTimesDialog::kDeleteId);
            deleted = items(list);
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QCOMPARE(runner_.runRegisteredTimes(core), int(kDialogCancel));
        QCOMPARE(edited, QStringList({"3分", "1分30秒", "1時間"}));
        QCOMPARE(deleted, QStringList({"1分30秒", "1時間"}));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
