// The about panel: every label in its place and style, and a terms-of-use
// field that can be read, scrolled, selected and reached by Tab, but not
// edited, with its text laid out in paragraphs of short lines.

#include "window_probe.hpp"

#include "formular/about_texts.hpp"

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using probe::control;
using probe::twips;

class AboutPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void labels_data();
    void labels();
    void termsFieldCanBeReadButNotEdited();
    void termsParagraphs_data();
    void termsParagraphs();
    void termsLinesEndInCarriageReturnAndLineFeed();
    void termsLinesShowUnwrapped();

private:
    QPlainTextEdit* terms() const;
    Formular window_;
};

namespace {

// Lines break at about sixty characters: none longer, and none of a
// paragraph's inner lines much shorter.
constexpr qsizetype longestLine = 60;
constexpr qsizetype shortestInnerLine = 45;

}  // namespace

void AboutPanelTest::initTestCase() {
    window_.show();
    window_.cmd_ueber_Click();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
    QCOMPARE(probe::panelInView(window_), QStringLiteral("frm_ueber"));
}

QPlainTextEdit* AboutPanelTest::terms() const { return control<QPlainTextEdit>(window_, "Text2"); }

void AboutPanelTest::labels_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("colour");

    const QColor text = window_.palette().color(QPalette::WindowText);
    const QString plain = QStringLiteral("QLabel");
    const QString link = QStringLiteral("formular::LinkLabel");
    const auto row = [&](const char* name, const QString& kind, QRect geometry,
                         const QString& caption, double pointSize = 8.25, bool bold = false,
                         bool underline = false, const QColor& colour = {}) {
        QTest::newRow(name) << kind << geometry << caption << pointSize << bold << underline
                            << (colour.isValid() ? colour : text);
    };
    row("Label3", link, twips(960, 240, 3255, 375), "www.marelto.example", 13.5, true);
    row("Label8", plain, twips(960, 600, 3255, 375), "- Marelto -", 13.5, true, false,
        QColor(0, 0, 192));
    row("Label10", plain, twips(240, 960, 2295, 255), "Muster Aquaristik GmbH 12/2026");
    row("Label11", plain, twips(240, 1200, 1575, 255), "Musterstraße 1");
    row("Label12", plain, twips(240, 1440, 1455, 255), "12345 Musterstadt");
    row("Label13", plain, twips(240, 1680, 735, 255), "Deutschland");
    row("Label18", plain, twips(240, 1920, 2535, 255), "Amtsgericht Musterstadt HRB 12345");
    row("Label19", plain, twips(240, 2160, 2415, 255), "UmSt-Id-Nr: DE000000000");
    row("Label20", plain, twips(240, 2400, 1815, 255), "Nutzungsbedingungen:");
    row("Label14", plain, twips(3000, 960, 1695, 255), "Tel: 0123 456789-0");
    row("Label15", plain, twips(3000, 1200, 1575, 255), "Fax: 0123 456789-9");
    row("Label16", plain, twips(3000, 1440, 1935, 255), "Email: info@muster.example");
    row("Label17", link, twips(3000, 1680, 2175, 255), "URL: http://muster.example", 8.25, false,
        true, QColor(0, 0, 255));
    row("Label22", plain, twips(3000, 1920, 2055, 255), "Software Version: 1.0");
}

void AboutPanelTest::labels() {
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QColor, colour);

    const auto* label = control<QLabel>(window_, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(label != nullptr);
    QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("frm_ueber"));
    QCOMPARE(QString::fromLatin1(label->metaObject()->className()), kind);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().underline(), underline);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
}

void AboutPanelTest::termsFieldCanBeReadButNotEdited() {
    QPlainTextEdit* field = terms();
    QCOMPARE(field->geometry(), twips(240, 2640, 4935, 975));
    QCOMPARE(field->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY2(field->verticalScrollBar()->maximum() > 0, "the terms are longer than the field");
    QVERIFY((field->focusPolicy() & Qt::TabFocus) == Qt::TabFocus);

    const QString before = field->toPlainText();
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, "xyz");
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(field->toPlainText(), before);
    QCOMPARE(field->textCursor().selectedText().size(), before.size());
}

void AboutPanelTest::termsParagraphs_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("mentions");

    QTest::newRow("terms of use") << 0 << QStringList{"Software", "genutzt"};
    QTest::newRow("liability") << 1 << QStringList{"Entwickler", "Hersteller", "haften"};
    QTest::newRow("UNESCO") << 2 << QStringList{"UNESCO", "1983", "Meerwasser", "Nr. 44"};
    QTest::newRow("Balling") << 3 << QStringList{"Calcium", "Magnesium", "Balling"};
}

void AboutPanelTest::termsParagraphs() {
    QFETCH(int, index);
    QFETCH(QStringList, mentions);

    const QString text = terms()->toPlainText();
    QVERIFY2(text.endsWith(QLatin1Char('\n')) && !text.endsWith(QStringLiteral("\n\n")),
             "the terms end with one line break");
    const QStringList paragraphs = text.chopped(1).split(QStringLiteral("\n\n"));
    QCOMPARE(paragraphs.size(), 4);

    const QString paragraph = paragraphs[index];
    const QString flowing = QString(paragraph).replace(QLatin1Char('\n'), QLatin1Char(' '));
    for (const QString& word : mentions) {
        QVERIFY2(flowing.contains(word), qPrintable(word));
    }
    const QStringList lines = paragraph.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        QVERIFY2(!line.isEmpty() && line == line.trimmed(), qPrintable(line));
        QVERIFY2(line.size() <= longestLine, qPrintable(line));
        if (i + 1 < lines.size()) {
            QVERIFY2(line.size() >= shortestInnerLine, qPrintable(line));
        }
    }
}

void AboutPanelTest::termsLinesEndInCarriageReturnAndLineFeed() {
    const std::string_view text = formular::termsOfUse;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            QVERIFY2(i > 0 && text[i - 1] == '\r', "a line feed without carriage return");
        } else if (text[i] == '\r') {
            QVERIFY2(i + 1 < text.size() && text[i + 1] == '\n', "a lone carriage return");
        }
    }
    QVERIFY(text.ends_with("\r\n"));
}

void AboutPanelTest::termsLinesShowUnwrapped() {
    const QString family = QFontInfo(window_.font()).family();
    if (family != QLatin1String("Liberation Sans") &&
        family != QLatin1String("Microsoft Sans Serif")) {
        QSKIP("the terms are broken for Liberation Sans or Microsoft Sans Serif");
    }
    QTextDocument* document = terms()->document();
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
    QVERIFY(layout != nullptr);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        layout->ensureBlockLayout(block);
        QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
    }
}

QTEST_MAIN(AboutPanelTest)
#include "about_panel_test.moc"
