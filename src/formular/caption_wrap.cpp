#include "formular/caption_wrap.hpp"

#include <QFontMetrics>
#include <QStringList>

namespace formular {

QString wrapCaption(const QString& caption, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString extended = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(extended) > width) {
            lines.append(line);
            line = word;
        } else {
            line = extended;
        }
    }
    if (!line.isEmpty()) {
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace formular
