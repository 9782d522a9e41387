#include "formular/images.hpp"

#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>

namespace formular {

namespace {

// Fusion's own frame image, in Qt's resources, and how Fusion lays it out: a
// border of 6 pixels kept whole on each side, and the frame starting 3 pixels
// below the title line.
constexpr auto frameImage = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr QMargins frameBorder(6, 6, 6, 6);
constexpr int frameTopMargin = 3;

class QuickPanelFrameStyle : public QProxyStyle {
    Q_OBJECT

public:
    QuickPanelFrameStyle()
        : QProxyStyle(QStringLiteral("fusion")),
          frame_(pngPixmap(QString::fromLatin1(frameImage))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox || frame_.isNull()) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const bool untitled = box != nullptr && !box->isCheckable() && box->title().isEmpty();
        const int top = untitled ? frameTopMargin
                                 : qMax(pixelMetric(PM_ExclusiveIndicatorHeight),
                                        option->fontMetrics.height()) +
                                       frameTopMargin;
        qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), frameBorder, frame_);
    }

private:
    QPixmap frame_;
};

}  // namespace

QPixmap pngPixmap(const QString& file) {
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

void quickenPanelFrames() {
    const QStyle* style = QApplication::style();
    if (qobject_cast<const QuickPanelFrameStyle*>(style) != nullptr ||
        style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        return;
    }
    QApplication::setStyle(new QuickPanelFrameStyle);
}

}  // namespace formular

#include "images.moc"
