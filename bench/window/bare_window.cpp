// The yardstick for the calculator's start-up: the least a Qt Widgets
// window can be, one label and one button.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Marelto")));
    layout->addWidget(new QPushButton(QStringLiteral("Berechnen")));
    window.show();
    return application.exec();
}
