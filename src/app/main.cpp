#include "formular/formular.hpp"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Lets the desktop match the running window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.marelto.Marelto"));
    QIcon icon;
    for (const char* size : {"48", "64"}) {
        icon.addFile(
            QStringLiteral(":/icons/%1/example.marelto.Marelto.png").arg(QLatin1String(size)));
    }
    QApplication::setWindowIcon(icon);

    Formular window;
    window.show();
    return QApplication::exec();
}
