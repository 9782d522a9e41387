#include "formular/accessible_factory.hpp"

#include "formular/announcer.hpp"
#include "formular/field_accessible.hpp"
#include "formular/formular.hpp"
#include "formular/link_accessible.hpp"
#include "formular/controls.hpp"
#include "formular/panel_accessible.hpp"

#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>

namespace formular {
namespace {

// Qt asks with the class name of each class of the object, most derived
// first, until a factory answers.
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    // A plain widget would be a filler; this one is the program's window.
    if (className == QLatin1String(Formular::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<Formular*>(object), QAccessible::Window);
    }
    if (className == QLatin1String(LinkLabel::staticMetaObject.className())) {
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    }
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::Notification);
    }
    if (className == QLatin1String(QLineEdit::staticMetaObject.className())) {
        return new FieldAccessible(static_cast<QLineEdit*>(object));
    }
    if (className == QLatin1String(QGroupBox::staticMetaObject.className())) {
        return new PanelAccessible(static_cast<QGroupBox*>(object));
    }
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&windowInterface);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace formular
