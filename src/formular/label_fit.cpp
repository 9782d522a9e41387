#include "formular/label_fit.hpp"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace formular {
namespace {

// Below this the letters crowd each other.
constexpr int narrowestStretch = 80;
constexpr int stretchStep = 2;
// Point sizes shrink by quarter points, to no less than 85 % of the size
// the style gives.
constexpr double sizeStep = 0.25;
constexpr double smallestShare = 0.85;

bool fits(const QLabel& label, int room, const QFont& font) {
    constexpr int unlimitedHeight = 10000;
    const QRect needed = QFontMetrics(font).boundingRect(
        QRect(0, 0, label.width(), unlimitedHeight), Qt::TextWordWrap, label.text());
    // The line box's last pixel row lies below the glyphs of a sans serif.
    return needed.width() <= label.width() && needed.height() - 1 <= room;
}

// Each stretch tried loads a font engine of its own, which costs start-up
// time. In a box one line high the advance scales with the stretch, so the
// first try is the stretch at which the line just fits; taller boxes rewrap
// unpredictably and start one step down.
int firstTry(const QLabel& label, int room, const QFont& font, int stretch) {
    const QFontMetrics metrics(font);
    if (room >= 2 * metrics.lineSpacing()) return stretch - stretchStep;
    const int natural = std::max(1, metrics.horizontalAdvance(label.text()));
    const int estimate = stretch * label.width() / natural / stretchStep * stretchStep;
    return std::clamp(estimate, narrowestStretch, stretch - stretchStep);
}

}  // namespace

void narrowToFit(QLabel& label, int room) {
    // An empty result label has nothing to fit yet; measuring it would only
    // load its font early.
    if (label.text().isEmpty()) return;
    QFont font = label.font();
    if (fits(label, room, font)) return;
    const int unnarrowed =
        font.stretch() == QFont::AnyStretch ? int(QFont::Unstretched) : font.stretch();
    int stretch = firstTry(label, room, font, unnarrowed);
    if (stretch < narrowestStretch) return;
    font.setStretch(stretch);
    while (!fits(label, room, font) && stretch - stretchStep >= narrowestStretch) {
        stretch -= stretchStep;
        font.setStretch(stretch);
    }
    // Fonts far wider than the layout's (DejaVu Sans, the only sans serif of a
    // minimal Debian) still do not fit at the narrowest stretch: a smaller
    // size then keeps the caption whole.
    const double unshrunk = font.pointSizeF();
    while (!fits(label, room, font) && font.pointSizeF() - sizeStep >= smallestShare * unshrunk) {
        font.setPointSizeF(font.pointSizeF() - sizeStep);
    }
    label.setFont(font);
}

}  // namespace formular
