#include "formular/typefaces.hpp"

#include <QColor>
#include <QFontDatabase>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace formular {
namespace {

constexpr auto windowFamily = "MS Sans Serif";
constexpr double defaultPointSize = 8.25;
// The substitutes run about six per cent wider than MS Sans Serif; without
// narrowing them, two-line captions wrap into three and get cut off.
constexpr int substituteStretch = 94;

constexpr QColor orange{255, 128, 0};
constexpr QColor darkBlue{0, 0, 192};
constexpr QColor blue{0, 0, 255};
constexpr QColor darkRed{192, 0, 0};

void registerSubstitutes() {
    // Metric look-alikes first, so captions wrap as they were laid out; the
    // style hint below leaves the system's sans serif as the last resort.
    QFont::insertSubstitutions(QString::fromLatin1(windowFamily),
                               {QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
}

QFont sized(double pointSize, bool bold) {
    QFont font = defaultFont();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget& control, const QColor& colour) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::WindowText, colour);
    control.setPalette(palette);
}

}  // namespace

QFont defaultFont() {
    // Decided once: asking the font database is cheap, resolving a font
    // through QFontInfo loads a font engine, which start-up feels.
    static const QFont font = [] {
        registerSubstitutes();
        QFont resolved(QString::fromLatin1(windowFamily));
        resolved.setStyleHint(QFont::SansSerif);
        resolved.setPointSizeF(defaultPointSize);
        if (!QFontDatabase::hasFamily(QString::fromLatin1(windowFamily)) &&
            !QFontDatabase::hasFamily(QStringLiteral("Microsoft Sans Serif"))) {
            resolved.setStretch(substituteStretch);
        }
#ifdef Q_OS_WIN
        // Windows' default hinting fits each narrowed glyph to whole pixels
        // while Qt spaces them by unhinted advances: at 9.75 pt the result
        // line showed gaps between its letters. Hinted vertically only, the
        // glyphs keep the widths they are spaced by.
        resolved.setHintingPreference(QFont::PreferVerticalHinting);
#endif
        return resolved;
    }();
    return font;
}

void applyStyle(QWidget& control, ControlStyle style) {
    switch (style) {
        case ControlStyle::Plain:
            break;
        case ControlStyle::Title:
            control.setFont(sized(13.5, true));
            setTextColour(control, orange);
            break;
        case ControlStyle::HostName:
            control.setFont(sized(18, true));
            setTextColour(control, darkBlue);
            control.setCursor(Qt::WhatsThisCursor);
            break;
        case ControlStyle::SiteName:
            control.setFont(sized(13.5, true));
            control.setCursor(Qt::ArrowCursor);
            break;
        case ControlStyle::AboutTitle:
            control.setFont(sized(13.5, true));
            setTextColour(control, darkBlue);
            break;
        case ControlStyle::MakerLink: {
            QFont font = defaultFont();
            font.setUnderline(true);
            control.setFont(font);
            setTextColour(control, blue);
            control.setCursor(Qt::ArrowCursor);
            break;
        }
        case ControlStyle::Warning:
            setTextColour(control, darkRed);
            break;
        case ControlStyle::ResultLabel:
            control.setFont(sized(9.75, false));
            break;
    }
}

}  // namespace formular
