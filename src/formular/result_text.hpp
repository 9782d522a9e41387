#pragma once

// Between the texts of the window's controls and the calculators' UTF-8 text.

#include <QString>

#include <string>

namespace formular {

std::string toUtf8(const QString& text);

// The calculators end report lines with "\r\n"; Qt widgets break on "\n".
QString forDisplay(const std::string& result);

}  // namespace formular
