#include "formular/field_accessible.hpp"

#include <QLineEdit>

namespace formular {
namespace {

// The blank that a line edit keeps between its frame and its text.
constexpr int textIndent = 2;

}  // namespace

FieldAccessible::FieldAccessible(QLineEdit* field)
    : QAccessibleWidget(field, QAccessible::EditableText) {}

QLineEdit* FieldAccessible::field() const { return static_cast<QLineEdit*>(widget()); }

void* FieldAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State FieldAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = field()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
}

QString FieldAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return field()->text();
    }
    return QAccessibleWidget::text(t);
}

void FieldAccessible::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value && !field()->isReadOnly()) {
        field()->setText(text);
        return;
    }
    QAccessibleWidget::setText(t, text);
}

void FieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
    if (selectionIndex == 0 && field()->hasSelectedText()) {
        *startOffset = field()->selectionStart();
        *endOffset = field()->selectionEnd();
    }
}

int FieldAccessible::selectionCount() const { return field()->hasSelectedText() ? 1 : 0; }

void FieldAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void FieldAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        field()->deselect();
    }
}

void FieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        field()->setSelection(startOffset, endOffset - startOffset);
    }
}

int FieldAccessible::cursorPosition() const { return field()->cursorPosition(); }

void FieldAccessible::setCursorPosition(int position) { field()->setCursorPosition(position); }

QString FieldAccessible::text(int startOffset, int endOffset) const {
    if (startOffset < 0 || endOffset < startOffset) {
        return {};
    }
    return field()->text().mid(startOffset, endOffset - startOffset);
}

int FieldAccessible::characterCount() const { return int(field()->text().size()); }

// Where the character is drawn on the screen while the text fits the field,
// as the window's short numbers do.
QRect FieldAccessible::characterRect(int offset) const {
    const QString text = field()->text();
    if (offset < 0 || offset >= text.size()) {
        return {};
    }
    const QFontMetrics metrics = field()->fontMetrics();
    const QRect contents = field()->contentsRect().marginsRemoved(field()->textMargins());
    const int left = contents.left() + textIndent + metrics.horizontalAdvance(text.left(offset));
    const int top = contents.top() + (contents.height() - metrics.height() + 1) / 2;
    const QRect local(left, top, metrics.horizontalAdvance(text.at(offset)), metrics.height());
    return local.translated(field()->mapToGlobal(QPoint(0, 0)));
}

int FieldAccessible::offsetAtPoint(const QPoint& point) const {
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

void FieldAccessible::scrollToSubstring(int startIndex, int endIndex) {
    // A line edit scrolls to keep its cursor in view.
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

QString FieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // The field has one font and colour throughout: one run of no attributes.
    static_cast<void>(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void FieldAccessible::deleteText(int startOffset, int endOffset) {
    field()->setText(field()->text().remove(startOffset, endOffset - startOffset));
}

void FieldAccessible::insertText(int offset, const QString& text) {
    field()->setText(field()->text().insert(offset, text));
}

void FieldAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    field()->setText(field()->text().replace(startOffset, endOffset - startOffset, text));
}

}  // namespace formular
