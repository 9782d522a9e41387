#include "formular/controls.hpp"

#include "formular/messages.hpp"

#include <QCheckBox>
#include <QColor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <ranges>
#include <string>
#include <utility>

namespace formular {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void LinkLabel::click() { emit clicked(); }

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = std::exchange(pressed_, false);
    event->accept();
    // Moving off the label before letting go cancels the click.
    if (wasPressed && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click arrives as this event; Qt would
    // treat it as a new press, and its release would open the link again.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mouseDoubleClickEvent(event);
}

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Qt lets only auto-default buttons take Return, and an auto-default
    // button turns default on focus and is drawn with a heavier frame.
    setAutoDefault(false);
    setDefault(false);
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held key presses once.
    if (!event->isAutoRepeat()) {
        click();
    }
}

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

// Gives a control the font and text colour of its style; plain controls keep
// the window's default font.
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

// Breaks a caption at blanks into lines no wider than width where the words
// allow it, for controls such as check boxes that do not wrap by themselves.

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

// Narrows a label's font step by step, down to a readable limit, until its
// caption wrapped at word boundaries fits the label's width and `room`
// pixels of height (the label's own, or less where a field lies over its
// foot): substitute fonts run wider than the one the window was laid out
// for, and a label cannot grow into its neighbours.
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
    // size then keeps the caption whole. Only a size that does is taken; where
    // none does (no real font at all), the size stays.
    QFont smaller = font;
    const double unshrunk = font.pointSizeF();
    while (!fits(label, room, smaller) &&
           smaller.pointSizeF() - sizeStep >= smallestShare * unshrunk) {
        smaller.setPointSizeF(smaller.pointSizeF() - sizeStep);
    }
    label.setFont(fits(label, room, smaller) ? smaller : font);
}

// Plain text that wraps at word boundaries, from the top left.
QWidget* wrappingLabel(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// Read-only, but its text can be selected and copied by mouse and keyboard.
// Tab passes it by unless it has a place in the tab order.
QWidget* makeResultField(std::string_view text, bool reachedByTab) {
    auto* field = new QPlainTextEdit(forDisplay(std::string(text)));
    field->setReadOnly(true);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setTabChangesFocus(true);
    field->setFocusPolicy(reachedByTab ? Qt::StrongFocus : Qt::ClickFocus);
    return field;
}

// A check box caption longer than the box is wide goes on two lines, as
// the box is tall enough for them; a screen reader still reads one line.
void fitCaption(QCheckBox& checkBox) {
    checkBox.setAccessibleName(checkBox.text());
    QStyleOptionButton option;
    option.initFrom(&checkBox);
    const int indicator =
        checkBox.style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, &checkBox) +
        checkBox.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, &checkBox);
    checkBox.setText(
        wrapCaption(checkBox.text(), checkBox.fontMetrics(), checkBox.width() - indicator));
}

QWidget* makePanel(const QString& caption) {
    auto* panel = new QGroupBox(caption);
    // Panels take turns at one place; the one on top must hide the others.
    panel->setAutoFillBackground(true);
    return panel;
}

QWidget* makeWidget(const ControlDescription& description) {
    const QString caption =
        QString::fromUtf8(description.caption.data(), qsizetype(description.caption.size()));
    switch (description.kind) {
        case ControlKind::Label:
            return wrappingLabel(new QLabel(caption));
        case ControlKind::Link:
            return wrappingLabel(new LinkLabel(caption));
        case ControlKind::TextField:
            return new QLineEdit(caption);
        case ControlKind::ResultField:
            return makeResultField(description.caption, description.tabIndex > 0);
        case ControlKind::Button:
            return new PushButton(caption);
        case ControlKind::CheckBox:
            return new QCheckBox(caption);
        case ControlKind::Panel:
            return makePanel(caption);
    }
    Q_UNREACHABLE();
}

// The height a label may fill: down to the first field, button or box drawn
// over it (a control later in the table); labels are transparent.
int roomOf(std::span<const ControlDescription> descriptions, std::size_t index) {
    const ControlDescription& label = descriptions[index];
    int room = label.height;
    for (const ControlDescription& other : descriptions.subspan(index + 1)) {
        const bool transparent =
            other.kind == ControlKind::Label || other.kind == ControlKind::Link;
        const bool overlaps =
            other.left < label.left + label.width && label.left < other.left + other.width &&
            other.top < label.top + label.height && label.top < other.top + other.height;
        if (!transparent && overlaps) {
            room = std::min(room, other.top - label.top);
        }
    }
    return toPixels(room);
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

std::vector<QWidget*> buildControls(QWidget& parent,
                                    std::span<const ControlDescription> descriptions) {
    std::vector<QWidget*> widgets;
    widgets.reserve(descriptions.size());
    for (std::size_t index = 0; index < descriptions.size(); ++index) {
        const ControlDescription& description = descriptions[index];
        QWidget* widget = makeWidget(description);
        widget->setParent(&parent);
        widget->setObjectName(
            QString::fromLatin1(description.name.data(), qsizetype(description.name.size())));
        widget->setGeometry(toPixels(description.left), toPixels(description.top),
                            toPixels(description.width), toPixels(description.height));
        applyStyle(*widget, description.style);
        if (auto* checkBox = qobject_cast<QCheckBox*>(widget)) {
            fitCaption(*checkBox);
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            narrowToFit(*label, roomOf(descriptions, index));
        }
        if (description.hiddenAtStart) {
            widget->hide();
        }
        widgets.push_back(widget);
    }
    return widgets;
}

void stackTopFirst(std::span<QWidget* const> siblings) {
    for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
        (*it)->raise();
    }
}

std::vector<QWidget*> inTabOrder(std::span<const ControlDescription> descriptions,
                                 std::span<QWidget* const> widgets) {
    std::vector<std::pair<int, QWidget*>> reachable;
    for (std::size_t i = 0; i < descriptions.size() && i < widgets.size(); ++i) {
        if (descriptions[i].tabIndex > 0) {
            reachable.emplace_back(descriptions[i].tabIndex, widgets[i]);
        }
    }
    std::ranges::sort(reachable, {}, &std::pair<int, QWidget*>::first);
    std::vector<QWidget*> ordered;
    ordered.reserve(reachable.size());
    for (const auto& entry : reachable) {
        ordered.push_back(entry.second);
    }
    return ordered;
}

}  // namespace formular
