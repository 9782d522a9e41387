#include "formular/result_text.hpp"

namespace formular {

std::string toUtf8(const QString& text) { return text.toStdString(); }

QString forDisplay(const std::string& result) {
    QString text = QString::fromStdString(result);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace formular
