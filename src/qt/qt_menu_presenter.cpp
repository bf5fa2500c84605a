#include "qt/qt_menu_presenter.h"

#include <QAction>
#include <QApplication>
#include <QString>
#include <QTimer>

#include "qt/qt_geometry.h"

void fillMenu(QMenu& menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        const QString caption = QString::fromStdString(item.caption);
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            menu.addSeparator();
            break;
        case MenuItem::Kind::Submenu:
            fillMenu(*menu.addMenu(caption), item.children);
            break;
        case MenuItem::Kind::Command: {
            QAction* action = menu.addAction(caption);
            action->setData(static_cast<uint>(item.id));
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            break;
        }
        }
    }
}

std::optional<uint32_t> QtMenuPresenter::track(const MenuModel& model, Point screen, bool firstSelected) {
    QMenu menu(QApplication::activeWindow());
    fillMenu(menu, model.items);
    // Once shown: opening a menu clears its active action.
    if (firstSelected && !menu.actions().isEmpty())
        QTimer::singleShot(0, &menu, [&menu] { menu.setActiveAction(menu.actions().constFirst()); });
    const QAction* chosen = menu.exec(toQPoint(screen));
    if (!chosen || !chosen->data().isValid()) return std::nullopt;
    return static_cast<uint32_t>(chosen->data().toUInt());
}
