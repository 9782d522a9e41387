#include "formular/announcer.hpp"

#include <QAccessible>

namespace formular {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    // Takes no room among the window's controls.
    resize(0, 0);
    hide();
}

void Announcer::announce(const QString& text) {
    // The name first: a reader takes it from its cache, which the name
    // change updates.
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
}

}  // namespace formular
