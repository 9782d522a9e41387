#include "formular/label_fit.hpp"

#include <QFontMetrics>
#include <QLabel>

namespace formular {
namespace {

// Below this the letters crowd each other.
constexpr int narrowestStretch = 80;
constexpr int stretchStep = 2;

bool fits(const QLabel& label, const QFont& font) {
    constexpr int unlimitedHeight = 10000;
    const QRect needed = QFontMetrics(font).boundingRect(
        QRect(0, 0, label.width(), unlimitedHeight), Qt::TextWordWrap, label.text());
    // The line box's last pixel row lies below the glyphs of a sans serif.
    return needed.width() <= label.width() && needed.height() - 1 <= label.height();
}

}  // namespace

void narrowToFit(QLabel& label) {
    QFont font = label.font();
    int stretch = font.stretch() == QFont::AnyStretch ? int(QFont::Unstretched) : font.stretch();
    bool narrowed = false;
    while (!fits(label, font) && stretch - stretchStep >= narrowestStretch) {
        stretch -= stretchStep;
        font.setStretch(stretch);
        narrowed = true;
    }
    if (narrowed) {
        label.setFont(font);
    }
}

}  // namespace formular
