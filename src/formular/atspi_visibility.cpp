#include "formular/atspi_visibility.hpp"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace formular {
namespace {

// Qt's bridge registers its connection to the accessibility bus under this
// name and exports each object under its accessible id below this path; the
// signal must come from that connection to be taken as the object's own.
constexpr auto bridgeConnection = "a11y";
constexpr auto objectPath = "/org/a11y/atspi/accessible/";
constexpr auto rootPath = "/org/a11y/atspi/accessible/root";

}  // namespace

void signalVisibleChanged(QAccessibleInterface& object, bool visible) {
    QDBusConnection bus(QString::fromLatin1(bridgeConnection));
    if (!bus.isConnected()) {
        return;  // no assistive technology is listening
    }
    const QString path =
        QString::fromLatin1(objectPath) + QString::number(QAccessible::uniqueId(&object));
    // The arguments as Qt's bridge sends them for "showing".
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(QString::fromLatin1(rootPath));
    application.endStructure();
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    signal << QStringLiteral("visible") << int(visible) << 0 << QVariant::fromValue(QDBusVariant(0))
           << QVariant::fromValue(application);
    bus.send(signal);
}

}  // namespace formular
