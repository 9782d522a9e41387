#include "formular/panel_accessible.hpp"

#include "formular/announcer.hpp"
#include "formular/atspi_visibility.hpp"

#include <QEvent>
#include <QGroupBox>

#include <algorithm>

namespace formular {

bool inSight(const QWidget& panel) {
    const QWidget* window = panel.parentWidget();
    if (window == nullptr) {
        return true;
    }
    if (!window->rect().intersects(panel.geometry())) {
        return false;
    }
    // Siblings are kept in stacking order, bottom first.
    const QObjectList& stack = window->children();
    const auto self = std::find(stack.begin(), stack.end(), &panel);
    return std::none_of(self + 1, stack.end(), [&panel](const QObject* sibling) {
        const auto* cover = qobject_cast<const QGroupBox*>(sibling);
        return cover != nullptr && !cover->isHidden() &&
               cover->geometry().contains(panel.geometry());
    });
}

PanelAccessible::PanelAccessible(QGroupBox* panel)
    : QAccessibleWidget(panel, QAccessible::Grouping) {}

QString PanelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return static_cast<const QGroupBox*>(widget())->title();
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State PanelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.offscreen = !inSight(*widget());
    return state;
}

int PanelAccessible::childCount() const {
    return inSight(*widget()) ? QAccessibleWidget::childCount() : 0;
}

QAccessibleInterface* PanelAccessible::child(int index) const {
    return inSight(*widget()) ? QAccessibleWidget::child(index) : nullptr;
}

int PanelAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return inSight(*widget()) ? QAccessibleWidget::indexOfChild(child) : -1;
}

PanelSightWatcher::PanelSightWatcher(const std::vector<QWidget*>& panels, Announcer& announcer,
                                     QObject* parent)
    : QObject(parent), announcer_(announcer) {
    for (QWidget* panel : panels) {
        panels_.emplace_back(panel, inSight(*panel));
        panel->installEventFilter(this);
    }
}

bool PanelSightWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Move) {
        return QObject::eventFilter(watched, event);
    }
    for (auto& [panel, wasInSight] : panels_) {
        const bool nowInSight = inSight(*panel);
        if (nowInSight == wasInSight) {
            continue;
        }
        wasInSight = nowInSight;
        QAccessibleEvent sight(panel,
                               nowInSight ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&sight);
        if (!QAccessible::isActive()) {
            continue;
        }
        signalVisibleChanged(*QAccessible::queryAccessibleInterface(panel), nowInSight);
        if (nowInSight) {
            // Lets a client that cached the empty panel learn its controls.
            QAccessibleEvent children(panel, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&children);
            announcer_.announce(static_cast<const QGroupBox*>(panel)->title());
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace formular
