#include "formular/messages.hpp"

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

std::string toUtf8(const QString& text) { return text.toStdString(); }

QString forDisplay(const std::string& result) {
    QString text = QString::fromStdString(result);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace formular
