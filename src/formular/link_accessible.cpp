#include "formular/link_accessible.hpp"

#include "formular/controls.hpp"

#include <QMetaObject>

namespace formular {

LinkAccessible::LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

QString LinkAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return static_cast<const LinkLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(t);
}

QStringList LinkAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void LinkAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // Queued, as Qt presses buttons for assistive technology: the click may
    // open a modal message box, and the request must be answered first.
    QMetaObject::invokeMethod(static_cast<LinkLabel*>(widget()), &LinkLabel::click,
                              Qt::QueuedConnection);
}

}  // namespace formular
