#include "formular/accessibility.hpp"

#include "formular/control_tables.hpp"
#include "formular/controls.hpp"
#include "formular/formular.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#ifndef Q_OS_WIN
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

#include <algorithm>
#include <string_view>
#include <utility>

namespace formular {
namespace {

// Signals the object's "visible" state on the accessibility bus. AT-SPI
// clients such as Orca cache an object's states and update each one only from
// its own change signal. Qt 6.4 reports "visible" together with "showing" but
// signals only "showing" when an object is shown or hidden, so a reader would
// keep the "visible" it saw first and lose a panel that came into view later.
#ifdef Q_OS_WIN
// UI Automation clients ask for an element's state when they need it.
void signalVisibleChanged(QAccessibleInterface& /*object*/, bool /*visible*/) {}
#else
// Qt's bridge registers its connection to the accessibility bus under this
// name and exports each object under its accessible id below this path; the
// signal must come from that connection to be taken as the object's own.
constexpr auto bridgeConnection = "a11y";
constexpr auto objectPath = "/org/a11y/atspi/accessible/";
constexpr auto rootPath = "/org/a11y/atspi/accessible/root";

void signalVisibleChanged(QAccessibleInterface& object, bool visible) {
    QDBusConnection bus(QString::fromLatin1(bridgeConnection));
    if (!bus.isConnected()) {
        return;  // no assistive technology is listening
    }
    const QString path =
        QString::fromLatin1(objectPath) + QString::number(QAccessible::uniqueId(&object));
    // The arguments as Qt's bridge sends them for "showing".
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(QString::fromLatin1(rootPath));
    application.endStructure();
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    signal << QStringLiteral("visible") << int(visible) << 0 << QVariant::fromValue(QDBusVariant(0))
           << QVariant::fromValue(application);
    bus.send(signal);
}
#endif

// Panels as assistive technology sees them. The window parks panels out of
// sight by moving them, never by hiding them, so Qt would report every panel
// and its controls as showing; here a panel out of sight is offscreen and
// has no children, and its coming and going is announced.
//
// In sight: inside its window's client area and not covered by a panel
// stacked above it.
bool inSight(const QWidget& panel) {
    const QWidget* window = panel.parentWidget();
    if (window == nullptr) {
        return true;
    }
    if (!window->rect().intersects(panel.geometry())) {
        return false;
    }
    // Siblings are kept in stacking order, bottom first.
    const QObjectList& stack = window->children();
    const auto self = std::find(stack.begin(), stack.end(), &panel);
    return std::none_of(self + 1, stack.end(), [&panel](const QObject* sibling) {
        const auto* cover = qobject_cast<const QGroupBox*>(sibling);
        return cover != nullptr && !cover->isHidden() &&
               cover->geometry().contains(panel.geometry());
    });
}

class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(QGroupBox* panel);

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
};

PanelAccessible::PanelAccessible(QGroupBox* panel)
    : QAccessibleWidget(panel, QAccessible::Grouping) {}

QString PanelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return static_cast<const QGroupBox*>(widget())->title();
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State PanelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.offscreen = !inSight(*widget());
    return state;
}

int PanelAccessible::childCount() const {
    return inSight(*widget()) ? QAccessibleWidget::childCount() : 0;
}

QAccessibleInterface* PanelAccessible::child(int index) const {
    return inSight(*widget()) ? QAccessibleWidget::child(index) : nullptr;
}

int PanelAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return inSight(*widget()) ? QAccessibleWidget::indexOfChild(child) : -1;
}

// A text field as assistive technology sees it. Qt 6.4 reports a line
// edit's text attributes as empty runs at each offset, from which Orca
// rebuilds the field's line one character short ("1,02" for "1,023"); here
// the field's text is one run, and the rest is the line edit as Qt shows it.
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    explicit FieldAccessible(QLineEdit* field);

    void* interface_cast(QAccessible::InterfaceType type) override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    [[nodiscard]] QLineEdit* field() const;
};

// The blank that a line edit keeps between its frame and its text.
constexpr int textIndent = 2;

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

// A result field as assistive technology sees it. Qt 6.4's own interface
// for a plain text edit reads one character past the end when asked for the
// extent of the last one, as Orca asks to learn what is in view, and warns
// "QTextCursor::setPosition: Position out of range"; here every offset is
// kept within the text. The rest is the field as Qt shows it, read-only.
class ResultFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultFieldAccessible(QPlainTextEdit* field);

    void* interface_cast(QAccessible::InterfaceType type) override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    [[nodiscard]] QPlainTextEdit* field() const;
    [[nodiscard]] int within(int offset) const;
    [[nodiscard]] QTextCursor cursorAt(int offset) const;
    [[nodiscard]] QPoint scrolledBy() const;
    QString textAround(const QTextCursor& cursor, QAccessible::TextBoundaryType boundaryType,
                       int* startOffset, int* endOffset) const;
};

ResultFieldAccessible::ResultFieldAccessible(QPlainTextEdit* field)
    : QAccessibleWidget(field, QAccessible::EditableText) {}

QPlainTextEdit* ResultFieldAccessible::field() const {
    return static_cast<QPlainTextEdit*>(widget());
}

int ResultFieldAccessible::within(int offset) const {
    return std::clamp(offset, 0, characterCount());
}

QTextCursor ResultFieldAccessible::cursorAt(int offset) const {
    QTextCursor cursor = field()->textCursor();
    cursor.setPosition(within(offset));
    return cursor;
}

// Where the field's view starts, as Qt reckons it for a plain text edit.
QPoint ResultFieldAccessible::scrolledBy() const {
    return {field()->horizontalScrollBar()->sliderPosition(),
            field()->verticalScrollBar()->sliderPosition()};
}

void* ResultFieldAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ResultFieldAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.selectableText = true;
    state.multiLine = true;
    state.readOnly = true;
    return state;
}

QString ResultFieldAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return field()->toPlainText();
    }
    return QAccessibleWidget::text(t);
}

void ResultFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
    const QTextCursor cursor = field()->textCursor();
    if (selectionIndex == 0 && cursor.hasSelection()) {
        *startOffset = cursor.selectionStart();
        *endOffset = cursor.selectionEnd();
    }
}

int ResultFieldAccessible::selectionCount() const {
    return field()->textCursor().hasSelection() ? 1 : 0;
}

void ResultFieldAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void ResultFieldAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        QTextCursor cursor = field()->textCursor();
        cursor.clearSelection();
        field()->setTextCursor(cursor);
    }
}

void ResultFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        QTextCursor cursor = cursorAt(startOffset);
        cursor.setPosition(within(endOffset), QTextCursor::KeepAnchor);
        field()->setTextCursor(cursor);
    }
}

int ResultFieldAccessible::cursorPosition() const { return field()->textCursor().position(); }

void ResultFieldAccessible::setCursorPosition(int position) {
    field()->setTextCursor(cursorAt(position));
}

QString ResultFieldAccessible::text(int startOffset, int endOffset) const {
    QTextCursor cursor = cursorAt(startOffset);
    cursor.setPosition(within(endOffset), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

QString ResultFieldAccessible::textAround(const QTextCursor& cursor,
                                          QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const {
    const auto [start, end] = QAccessible::qAccessibleTextBoundaryHelper(cursor, boundaryType);
    *startOffset = start;
    *endOffset = end;
    return text(start, end);
}

QString ResultFieldAccessible::textBeforeOffset(int offset,
                                                QAccessible::TextBoundaryType boundaryType,
                                                int* startOffset, int* endOffset) const {
    const int start =
        QAccessible::qAccessibleTextBoundaryHelper(cursorAt(offset), boundaryType).first;
    return textAround(cursorAt(start - 1), boundaryType, startOffset, endOffset);
}

QString ResultFieldAccessible::textAfterOffset(int offset,
                                               QAccessible::TextBoundaryType boundaryType,
                                               int* startOffset, int* endOffset) const {
    const int end =
        QAccessible::qAccessibleTextBoundaryHelper(cursorAt(offset), boundaryType).second;
    return textAround(cursorAt(end), boundaryType, startOffset, endOffset);
}

QString ResultFieldAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    return textAround(cursorAt(offset), boundaryType, startOffset, endOffset);
}

int ResultFieldAccessible::characterCount() const {
    return field()->document()->characterCount() - 1;  // without the closing paragraph mark
}

// As Qt places a character of a plain text edit, for characters only.
QRect ResultFieldAccessible::characterRect(int offset) const {
    if (offset < 0 || offset >= characterCount()) {
        return {};
    }
    const QTextBlock block = field()->document()->findBlock(offset);
    const QTextLayout* layout = block.layout();
    const int inBlock = offset - block.position();
    const QTextLine line = layout->lineForTextPosition(inBlock);
    if (!line.isValid()) {
        return {};
    }
    QTextCharFormat format = block.charFormat();
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        format = fragment.fragment().charFormat();
        if (fragment.fragment().contains(offset)) {
            break;
        }
    }
    const QFontMetrics metrics(format.font());
    const QString character = text(offset, offset + 1);
    const QPointF origin = layout->position();
    const QRect local(
        int(origin.x() + line.cursorToX(inBlock)),
        int(origin.y() + line.y() + line.ascent()) + metrics.descent() - metrics.height(),
        metrics.horizontalAdvance(character), metrics.height());
    return local.translated(field()->viewport()->mapToGlobal(QPoint(0, 0)) - scrolledBy());
}

int ResultFieldAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint inDocument = field()->viewport()->mapFromGlobal(point) + scrolledBy();
    return field()->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
}

void ResultFieldAccessible::scrollToSubstring(int startIndex, int endIndex) {
    // The field scrolls as its reader moves the text cursor, as Qt leaves it.
    static_cast<void>(startIndex);
    static_cast<void>(endIndex);
}

QString ResultFieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // The field has one font and colour throughout: one run of no attributes.
    static_cast<void>(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

// A link label as assistive technology sees it: a link named by its text,
// with a press action that follows it as a click does.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link);

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

LinkAccessible::LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

QString LinkAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return static_cast<const LinkLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(t);
}

QStringList LinkAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void LinkAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // Queued, as Qt presses buttons for assistive technology: the click may
    // open a modal message box, and the request must be answered first.
    QMetaObject::invokeMethod(static_cast<LinkLabel*>(widget()), &LinkLabel::click,
                              Qt::QueuedConnection);
}

// Qt asks with the class name of each class of the object, most derived
// first, until a factory answers.
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    // A plain widget would be a filler; this one is the program's window.
    if (className == QLatin1String(Formular::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<Formular*>(object), QAccessible::Window);
    }
    if (className == QLatin1String(LinkLabel::staticMetaObject.className())) {
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    }
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::Notification);
    }
    if (className == QLatin1String(QLineEdit::staticMetaObject.className())) {
        return new FieldAccessible(static_cast<QLineEdit*>(object));
    }
    if (className == QLatin1String(QPlainTextEdit::staticMetaObject.className())) {
        return new ResultFieldAccessible(static_cast<QPlainTextEdit*>(object));
    }
    if (className == QLatin1String(QGroupBox::staticMetaObject.className())) {
        return new PanelAccessible(static_cast<QGroupBox*>(object));
    }
    return nullptr;
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

template <class Widget>
Widget& control(const QWidget& window, std::string_view name) {
    auto* widget = window.findChild<Widget*>(fromUtf8(name));
    if (widget == nullptr) {
        qFatal("accessible names: control %.*s missing from the control tables", int(name.size()),
               name.data());
    }
    return *widget;
}

// A caption as it is read aloud: a word that the label breaks at a hyphen
// ("Magnesium- gehalt") is whole again, and stray blanks go. A plain scan,
// as a regular expression would be compiled at every start.
QString spoken(QString caption) {
    const QLatin1String brokenAt("- ");
    for (qsizetype at = caption.indexOf(brokenAt, 1); at > 0; at = caption.indexOf(brokenAt, at)) {
        const QChar before = caption[at - 1];
        const bool wordGoesOn = at + 2 < caption.size() && caption[at + 2].isLower();
        if (wordGoesOn && (before.isLetterOrNumber() || before == u'_')) {
            caption.remove(at, 2);
        } else {
            at += 2;
        }
    }
    return caption.simplified();
}

}  // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&windowInterface);
        return true;
    }();
    static_cast<void>(installed);
}

void nameControls(QWidget& window) {
    for (const tables::CaptionedControl& captioned : tables::captionedControls) {
        auto& label = control<QLabel>(window, captioned.label);
        auto& captionedControl = control<QWidget>(window, captioned.control);
        // Also tells assistive technology which label captions the control.
        label.setBuddy(&captionedControl);
        const QString name = spoken(label.text());
        // A reader speaks the caption of a field as its label's name; the
        // caption shown keeps its break.
        if (name != label.text().simplified()) {
            label.setAccessibleName(name);
        }
        // A result label is named by the result it shows.
        if (qobject_cast<QLabel*>(&captionedControl) == nullptr) {
            captionedControl.setAccessibleName(name);
        }
    }
    for (const tables::NamedControl& named : tables::namedControls) {
        control<QWidget>(window, named.control).setAccessibleName(fromUtf8(named.name));
    }
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    // Takes no room among the window's controls.
    resize(0, 0);
    hide();
}

void Announcer::announce(const QString& text) {
    // The name first: a reader takes it from its cache, which the name
    // change updates.
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
}

PanelSightWatcher::PanelSightWatcher(const std::vector<QWidget*>& panels, Announcer& announcer,
                                     QObject* parent)
    : QObject(parent), announcer_(announcer) {
    for (QWidget* panel : panels) {
        panels_.emplace_back(panel, inSight(*panel));
        panel->installEventFilter(this);
    }
}

bool PanelSightWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Move) {
        return QObject::eventFilter(watched, event);
    }
    for (auto& [panel, wasInSight] : panels_) {
        const bool nowInSight = inSight(*panel);
        if (nowInSight == wasInSight) {
            continue;
        }
        wasInSight = nowInSight;
        QAccessibleEvent sight(panel,
                               nowInSight ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&sight);
        if (!QAccessible::isActive()) {
            continue;
        }
        signalVisibleChanged(*QAccessible::queryAccessibleInterface(panel), nowInSight);
        if (nowInSight) {
            // Lets a client that cached the empty panel learn its controls.
            QAccessibleEvent children(panel, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&children);
            announcer_.announce(static_cast<const QGroupBox*>(panel)->title());
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace formular
