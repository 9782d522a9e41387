#include "formular/error_reporter.hpp"

#include "formular/message_box.hpp"

#include <QMessageBox>
#include <QPointer>

namespace formular {

QString errorMessage(const runtime::RuntimeError& error) {
    return QStringLiteral("Laufzeitfehler '%1':\n\n%2")
        .arg(error.number())
        .arg(QString::fromUtf8(error.what()));
}

ErrorReporter messageBoxReporter(QWidget* parent) {
    return [owner = QPointer<QWidget>(parent)](const runtime::RuntimeError& error) {
        QMessageBox box(QMessageBox::Critical, QString::fromLatin1(messageBoxTitle),
                        errorMessage(error), QMessageBox::Ok, owner.data());
        box.exec();
    };
}

}  // namespace formular
