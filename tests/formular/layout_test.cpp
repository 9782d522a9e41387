// Every control in its place, of its kind, with its caption; the window's
// frame, stacking, fonts and colours; captions readable in full.

#include "window_probe.hpp"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

using probe::control;
using probe::twips;

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void windowFrame();
    void stackingOrder();
    void styles_data();
    void styles();
    void labelsShowTheirWholeCaption_data();
    void labelsShowTheirWholeCaption();
    void buttonsShowTheirWholeCaption();

private:
    Formular window_;
};

namespace {

const QString warning = QStringLiteral(
    "Bitte Mischungen UNBEDINGT immer mit Aerometer oder entsprechend nachmessen!  ");

QString captionOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return field->text();
    }
    if (const auto* result = qobject_cast<const QPlainTextEdit*>(widget)) {
        return result->toPlainText();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        // A long check box caption is broken onto two lines to fit.
        return QString(button->text()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    if (const auto* panel = qobject_cast<const QGroupBox*>(widget)) {
        return panel->title();
    }
    return {};
}

// Captions are laid out for these fonts, or for the one a run names in
// MARELTO_ONLY_FONT; with another (Qt's offscreen platform under Wine finds
// none) their widths say nothing.
bool hasLaidOutFont(const QWidget& window) {
    const QString family = QFontInfo(window.font()).family();
    return family == QLatin1String("Liberation Sans") ||
           family == QLatin1String("Microsoft Sans Serif") ||
           (qEnvironmentVariableIsSet("MARELTO_ONLY_FONT") &&
            family == qEnvironmentVariable("MARELTO_ONLY_FONT"));
}
constexpr auto otherFont = "captions are laid out for Liberation Sans or Microsoft Sans Serif";

}  // namespace

void LayoutTest::controls_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    const auto row = [](const char* name, const char* parent, const char* kind, QRect geometry,
                        const QString& caption) {
        QTest::newRow(name) << QString::fromLatin1(parent) << QString::fromLatin1(kind) << geometry
                            << caption;
    };
    const char* const window = "formular";
    row("Label23", window, "formular::LinkLabel", twips(360, 120, 4935, 495),
        "www.marelto.example");
    row("Label24", window, "QLabel", twips(1080, 480, 3135, 375), "- Marelto -");
    row("frm_Frischwasser", window, "QGroupBox", twips(120, 960, 5295, 3735),
        "Neues Wasser ansetzten");
    row("frm_changewater", window, "QGroupBox", twips(6000, 360, 5295, 3735), "Dichte verändern");
    row("cmd_ueber", window, "formular::PushButton", twips(4320, 4800, 1095, 375), "Über");
    row("frm_ueber", window, "QGroupBox", twips(1080, 6360, 5295, 3735), "Über");
    row("Command2", window, "formular::PushButton", twips(240, 4800, 1095, 375), "Salz");
    row("Command3", window, "formular::PushButton", twips(1440, 4800, 1095, 375), "Magnesium");
    row("Command4", window, "formular::PushButton", twips(2640, 4800, 1095, 375), "Calcium");
    row("frm_magnesium", window, "QGroupBox", twips(5760, 2880, 5295, 3735), "Magnesium erhöhen");
    row("Frm_kalzium", window, "QGroupBox", twips(5760, 5400, 5295, 3735),
        "Calcium (Magnesium) erhöhen nach Baling");

    const char* const newWater = "frm_Frischwasser";
    row("lbl_temperatur", newWater, "QLabel", twips(360, 360, 1335, 375),
        "Wassertemperaur in Grad Celsius");
    row("txt_Temperatur", newWater, "QLineEdit", twips(360, 840, 495, 375), "25");
    row("lbl_Liter", newWater, "QLabel", twips(1920, 360, 1095, 375), "Wassermenge in Liter");
    row("txt_Liter", newWater, "QLineEdit", twips(1920, 840, 975, 375), "20");
    row("cmd_changewater", newWater, "formular::PushButton", twips(3600, 240, 1455, 375),
        "Wasser ändern");
    row("lbl_Dichte", newWater, "QLabel", twips(360, 1440, 2415, 495),
        "Gewünschte Spezifische Dichte (Normal ist 1,023)");
    row("txt_Dichte", newWater, "QLineEdit", twips(360, 1920, 615, 375), "1,023");
    row("Label1", newWater, "QLabel", twips(1080, 2040, 855, 255), "Kg/Liter");
    row("cmd_Dichte", newWater, "formular::PushButton", twips(2760, 1920, 1935, 375), "Berechnen");
    row("Label2", newWater, "QLabel", twips(360, 2400, 1695, 255), "Benötigte Salzmenge");
    row("lbl_ergebnis", newWater, "QLabel", twips(600, 2640, 4335, 615), "");
    row("Label21", newWater, "QLabel", twips(360, 3240, 4215, 375), warning);

    const char* const change = "frm_changewater";
    row("Label5", change, "QLabel", twips(360, 360, 1095, 375), "Wassermenge in Liter");
    row("txt2_Liter", change, "QLineEdit", twips(360, 840, 975, 375), "20");
    row("Label6", change, "QLabel", twips(1800, 360, 975, 375), "Momentane Dichte");
    row("txt_Dichtejetzt", change, "QLineEdit", twips(1800, 840, 615, 375), "1,023");
    row("cmd_newater", change, "formular::PushButton", twips(3600, 240, 1455, 375), "Neues Wasser");
    row("Label7", change, "QLabel", twips(360, 1440, 975, 375), "Gewünschte Dichte ");
    row("txt_Dichteneu", change, "QLineEdit", twips(360, 1920, 735, 375), "1,024");
    row("Command1", change, "formular::PushButton", twips(2760, 1920, 1935, 375), "Berechnen");
    row("Label9", change, "QLabel", twips(360, 2400, 975, 255), "Ergebnis");
    row("lbl2_ergebnis", change, "QLabel", twips(360, 2640, 4455, 615), "");
    row("Label28", change, "QLabel", twips(360, 3240, 4215, 375), warning);

    const char* const magnesium = "frm_magnesium";
    row("Label4", magnesium, "QLabel", twips(360, 360, 1095, 375), "Wassermenge in Liter");
    row("magliter_becken", magnesium, "QLineEdit", twips(360, 840, 1215, 375), "300");
    row("Label25", magnesium, "QLabel", twips(2160, 360, 1815, 495),
        "Momentaner Magnesium- gehalt mg/Liter");
    row("magnesium_becken", magnesium, "QLineEdit", twips(2160, 840, 1215, 375), "1200");
    row("Label26", magnesium, "QLabel", twips(360, 1320, 2055, 615),
        "Gewünschter Magnesiumgehalt mg/Liter (natürlich ist 1300)");
    row("magnesium_ziel", magnesium, "QLineEdit", twips(360, 2040, 1215, 375), "1300");
    row("Command5", magnesium, "formular::PushButton", twips(2760, 2040, 1815, 375), "Berechnen");
    row("Label27", magnesium, "QLabel", twips(360, 2520, 1455, 255), "Benötigte Mengen");
    row("txt_magerg", magnesium, "QPlainTextEdit", twips(360, 2760, 4695, 855), "");

    const char* const calcium = "Frm_kalzium";
    row("Checkmitmagnesium", calcium, "QCheckBox", twips(120, 360, 1815, 375),
        "Berechnung mit Magnesiumzugabe");
    row("Label29", calcium, "QLabel", twips(2400, 360, 1095, 375), "Wassermenge in Liter");
    row("txt_magnesiumbecken", calcium, "QLineEdit", twips(3600, 360, 975, 375), "300");
    row("Label30", calcium, "QLabel", twips(120, 840, 1695, 495),
        "Momentaner Clacium- gehalt mg/Liter");
    row("txt_kalziumjetzt", calcium, "QLineEdit", twips(120, 1320, 1575, 375), "380");
    row("lbl_plusistmagnesium", calcium, "QLabel", twips(2400, 840, 1815, 495),
        "Momentaner Magnesium- gehalt mg/Liter");
    row("txt_plusistmagnesium", calcium, "QLineEdit", twips(2400, 1320, 1215, 375), "1200");
    row("Label31", calcium, "QLabel", twips(120, 1680, 2055, 615),
        "Gewünschter Calciumgehalt mg/Liter (natürlich ist 420)");
    row("txt_pluskalzium", calcium, "QLineEdit", twips(120, 2160, 1455, 375), "500");
    row("lbl_plusmagnesium", calcium, "QLabel", twips(2400, 1680, 2295, 615),
        "Gewünschter Magnesiumgehalt mg/Liter (optimal ist 1300)");
    row("txt_plusmagnesium", calcium, "QLineEdit", twips(2400, 2160, 1215, 375), "1300");
    row("Command6", calcium, "formular::PushButton", twips(3960, 2160, 1215, 375), "Berechnen");
    row("ergebnis_kalzium", calcium, "QPlainTextEdit", twips(120, 2640, 5055, 975), "");
}

void LayoutTest::controls() {
    QFETCH(QString, parent);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);

    const QWidget* widget = control(window_, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(captionOf(widget), caption);
}

void LayoutTest::windowFrame() {
    QCOMPARE(window_.objectName(), QStringLiteral("formular"));
    QCOMPARE(window_.windowTitle(), QStringLiteral("www.marelto.example Marelto V1.0"));
    QCOMPARE(window_.minimumSize(), QSize(370, 353));
    QCOMPARE(window_.maximumSize(), QSize(370, 353));
    const Qt::WindowFlags flags = window_.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
}

void LayoutTest::stackingOrder() {
    const QStringList topFirst{"Frm_kalzium",      "frm_magnesium", "Command4",  "Command3",
                               "Command2",         "frm_ueber",     "cmd_ueber", "frm_changewater",
                               "frm_Frischwasser", "Label24",       "Label23"};
    // Qt keeps siblings in drawing order, the bottom one first.
    QStringList drawn;
    for (const QObject* child : window_.children()) {
        if (topFirst.contains(child->objectName())) {
            drawn.prepend(child->objectName());
        }
    }
    QCOMPARE(drawn, topFirst);
}

void LayoutTest::styles_data() {
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");

    const QColor text = window_.palette().color(QPalette::WindowText);
    QTest::newRow("Label24") << 13.5 << true << QColor(255, 128, 0);
    QTest::newRow("Label23") << 18.0 << true << QColor(0, 0, 192);
    QTest::newRow("Label21") << 8.25 << false << QColor(192, 0, 0);
    QTest::newRow("Label28") << 8.25 << false << QColor(192, 0, 0);
    QTest::newRow("lbl_ergebnis") << 9.75 << false << text;
    QTest::newRow("lbl2_ergebnis") << 9.75 << false << text;
    QTest::newRow("Label2") << 8.25 << false << text;
    QTest::newRow("txt_Dichte") << 8.25 << false << text;
    QTest::newRow("Command6") << 8.25 << false << text;
}

void LayoutTest::styles() {
    QFETCH(double, pointSize);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);

    const QWidget* widget = control(window_, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(widget->font().pointSizeF(), pointSize);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->palette().color(QPalette::WindowText), colour);
    if (qobject_cast<const QLabel*>(widget) != nullptr) {
        const bool hostName = widget->objectName() == QLatin1String("Label23");
        QCOMPARE(widget->cursor().shape(), hostName ? Qt::WhatsThisCursor : Qt::ArrowCursor);
    }
}

void LayoutTest::labelsShowTheirWholeCaption_data() {
    QTest::addColumn<QLabel*>("label");
    for (QLabel* label : window_.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            QTest::newRow(qPrintable(label->objectName())) << label;
        }
    }
}

void LayoutTest::labelsShowTheirWholeCaption() {
    if (!hasLaidOutFont(window_)) QSKIP(otherFont);
    QFETCH(QLabel*, label);

    // Room down to the first sibling drawn over the label; labels are
    // transparent, fields and buttons are not.
    int room = label->height();
    bool below = false;
    for (const QObject* sibling : label->parentWidget()->children()) {
        const auto* widget = qobject_cast<const QWidget*>(sibling);
        if (widget == label) {
            below = true;
        } else if (below && widget != nullptr && qobject_cast<const QLabel*>(widget) == nullptr &&
                   widget->geometry().intersects(label->geometry())) {
            room = std::min(room, widget->y() - label->y());
        }
    }
    const QFontMetrics metrics(label->font());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
    QVERIFY2(needed.width() <= label->width(), qPrintable(label->text()));
    // The line box's last pixel row lies below the glyphs of a sans serif.
    QVERIFY2(needed.height() - 1 <= room, qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                                         .arg(label->text())
                                                         .arg(needed.height())
                                                         .arg(room)));
}

void LayoutTest::buttonsShowTheirWholeCaption() {
    if (!hasLaidOutFont(window_)) QSKIP(otherFont);
    for (const QAbstractButton* button : window_.findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QCheckBox*>(button) != nullptr) {
            // The caption may take two lines; the line box's last row is blank.
            const QRect text =
                button->fontMetrics().boundingRect(QRect(0, 0, 1000, 1000), 0, button->text());
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
            QVERIFY2(text.height() - 1 <= button->height(), qPrintable(button->text()));
        } else {
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin <=
                         button->width(),
                     qPrintable(button->text()));
        }
    }
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
