#include "formular/formular.hpp"
#include "formular/images.hpp"
#include "formular/release.hpp"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The build's id: the desktop entry and the icons are named after it.
    const auto& id = formular::release::applicationId;
    const QString applicationId = QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size()));
    // Lets the desktop match the running window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(applicationId);
    QIcon icon;
    for (const char* size : {"48", "64"}) {
        icon.addPixmap(formular::pngPixmap(
            QStringLiteral(":/icons/%1/%2.png").arg(QLatin1String(size), applicationId)));
    }
    QApplication::setWindowIcon(icon);
    formular::quickenPanelFrames();

    Formular window;
    window.show();
    return QApplication::exec();
}
