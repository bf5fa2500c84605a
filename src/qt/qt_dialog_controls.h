// The core dialogs' controls bound to Qt widgets. Changes made through these
// adapters do not raise the widgets' change signals, as a program's own
// changes to Windows controls send no notifications.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTimeEdit>

#include "platform/dialog_controls.h"

class QtTimeControl final : public TimeControl {
public:
    explicit QtTimeControl(QTimeEdit& edit) : edit_(edit) {}
    void setFormat(const std::string& format) override;
    void setTime(const TimeOfDay& time) override;
    TimeOfDay time() const override;

private:
    QTimeEdit& edit_;
};

class QtCheckBox final : public CheckBox {
public:
    explicit QtCheckBox(QCheckBox& box) : box_(box) {}
    bool isChecked() const override { return box_.isChecked(); }
    void setEnabled(bool enabled) override { box_.setEnabled(enabled); }

private:
    QCheckBox& box_;
};

class QtPushButton final : public PushButton {
public:
    explicit QtPushButton(QPushButton& button) : button_(button) {}
    void setEnabled(bool enabled) override { button_.setEnabled(enabled); }

private:
    QPushButton& button_;
};

class QtListBox final : public ListBox {
public:
    explicit QtListBox(QListWidget& list) : list_(list) {}
    int count() const override { return list_.count(); }
    void addString(const std::string& text, uint32_t data) override;
    void insertString(int index, const std::string& text, uint32_t data) override;
    void deleteString(int index) override;
    std::string text(int index) const override;
    uint32_t data(int index) const override;
    int currentSelection() const override;
    void setCurrentSelection(int index) override;

private:
    QListWidget& list_;
};

class QtDialogEnder final : public DialogEnder {
public:
    explicit QtDialogEnder(QDialog& dialog) : dialog_(dialog) {}
    void endDialog(int result) override { dialog_.done(result); }

private:
    QDialog& dialog_;
};
