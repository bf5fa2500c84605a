// A QDialog built from one of the time dialogs' templates in the chosen
// language: every control at its template rectangle (dialog units of the
// template's font), widened where the language's texts need it, found again
// by its id. Accept and reject go to the given actions instead of closing, so
// the core dialog decides when the dialog ends.
#pragma once

#include <QDialog>

#include <functional>
#include <map>
#include <span>

#include "resources/catalogue.h"
#include "resources/dialog_texts.h"

class TemplateDialog final : public QDialog {
public:
    TemplateDialog(const dialog_texts::DialogLayout& layout, std::span<const dialog_texts::ControlLayout> controls,
                   const Texts& texts, QWidget* parent);

    // The control of an id (ids of static controls are not kept).
    template <typename T>
    T& control(int id) const {
        return *static_cast<T*>(controls_.at(id));
    }

    std::function<void()> acceptAction;
    std::function<void()> rejectAction;

    void accept() override;
    void reject() override;

private:
    std::map<int, QWidget*> controls_;
};

// Object name of a template control, for tests and accessibility.
QString controlName(int id);
