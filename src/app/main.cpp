#include "formular/formular.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Formular window;
    window.show();
    return application.exec();
}
