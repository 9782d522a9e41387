#include "formular/control_builder.hpp"

#include "formular/caption_wrap.hpp"
#include "formular/label_fit.hpp"
#include "formular/link_label.hpp"
#include "formular/messages.hpp"
#include "formular/push_button.hpp"
#include "formular/typefaces.hpp"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <ranges>
#include <string>
#include <utility>

namespace formular {
namespace {

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
