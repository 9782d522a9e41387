#pragma once

#include <QString>

class QFontMetrics;

namespace formular {

// Breaks a caption at blanks into lines no wider than width where the words
// allow it, for controls such as check boxes that do not wrap by themselves.
QString wrapCaption(const QString& caption, const QFontMetrics& metrics, int width);

}  // namespace formular
