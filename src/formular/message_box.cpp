#include "formular/message_box.hpp"

#include <QMessageBox>
#include <QPointer>

namespace formular {

MessagePresenter messageBoxPresenter(QWidget* parent) {
    return [owner = QPointer<QWidget>(parent)](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(messageBoxTitle), text,
                        QMessageBox::Ok, owner.data());
        box.exec();
    };
}

}  // namespace formular
