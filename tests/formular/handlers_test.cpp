// Each calculator handler reads its own fields into the right places of the
// calculation and writes its result once; errors leave the program running
// with the previous result kept (the calcium result emptied).

#include "window_probe.hpp"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using probe::control;
using probe::local;

class HandlersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void results_data();
    void results();
    void initialTextsFollowTheRegionalSettings();
    void errors_data();
    void errors();
    void checkBox_data();
    void checkBox();
    void errorDialog();
    void resultFieldEnd_data();
    void resultFieldEnd();

private:
    void fill(const QString& button, const QStringList& texts);
    QString resultOf(const QString& button) const;

    std::unique_ptr<Formular> window_;
    QList<int> numbers_;
    QStringList messages_;
};

namespace {

// The fields each button reads, in the order the tables below give texts.
const QMap<QString, QStringList> fieldsOf{
    {"cmd_Dichte", {"txt_Dichte", "txt_Temperatur", "txt_Liter"}},
    {"Command1", {"txt_Dichtejetzt", "txt_Dichteneu", "txt2_Liter"}},
    {"Command5", {"magliter_becken", "magnesium_becken", "magnesium_ziel"}},
    {"Command6",
     {"txt_magnesiumbecken", "txt_kalziumjetzt", "txt_plusistmagnesium", "txt_pluskalzium",
      "txt_plusmagnesium"}},
};
const QMap<QString, QString> resultFieldOf{{"cmd_Dichte", "lbl_ergebnis"},
                                           {"Command1", "lbl2_ergebnis"},
                                           {"Command5", "txt_magerg"},
                                           {"Command6", "ergebnis_kalzium"}};

}  // namespace

void HandlersTest::initTestCase() {
    // The German run must really see German settings, or it proves nothing.
    const QString expected = qEnvironmentVariable("MARELTO_EXPECT_DECIMAL_POINT");
    if (!expected.isEmpty()) {
        QCOMPARE(QLocale::system().decimalPoint(), expected);
    }
}

void HandlersTest::init() {
    window_ = std::make_unique<Formular>();
    numbers_.clear();
    messages_.clear();
    window_->setErrorReporter([this](const runtime::RuntimeError& error) {
        numbers_.append(error.number());
        messages_.append(formular::errorMessage(error));
    });
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void HandlersTest::fill(const QString& button, const QStringList& texts) {
    const QStringList& fields = fieldsOf[button];
    for (qsizetype i = 0; i < fields.size(); ++i) {
        control<QLineEdit>(*window_, fields[i])->setText(local(texts[i]));
    }
}

QString HandlersTest::resultOf(const QString& button) const {
    const QWidget* result = control(*window_, resultFieldOf[button]);
    if (const auto* label = qobject_cast<const QLabel*>(result)) {
        return label->text();
    }
    return qobject_cast<const QPlainTextEdit*>(result)->toPlainText();
}

void HandlersTest::results_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("withMagnesium");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* tag, const char* button, const QStringList& texts,
                        const QString& expected, bool withMagnesium = false) {
        QTest::newRow(tag) << QString::fromLatin1(button) << texts << withMagnesium << expected;
    };

    const QString salt = " Gramm Meersalz werden benötigt";
    row("new water, cut not rounded", "cmd_Dichte", {"1,023", "25", "20"}, "690,91" + salt);
    row("new water, negative volume", "cmd_Dichte", {"1,023", "25", "-20"}, "-690,92" + salt);
    row("new water, no volume", "cmd_Dichte", {"1,023", "25", "0"}, "0" + salt);

    const QString add = " Gramm Meersalz müssen hinzugefügt werden";
    row("density change, add salt", "Command1", {"1,023", "1,024", "20"}, "24,9" + add);
    row("density change, none", "Command1", {"1,023", "1,023", "20"}, "0" + add);
    // Replacing a litre takes the present water's salt out with it.
    row("density change, replace water", "Command1", {"1,024", "1,023", "20"},
        "Sie müssen 0,83 Liter Wasser mit Süßwasser ersetzen");

    const QString days =
        "!!! Salze bitte in reichlich Aquariumwasser auflösen und geleichmäßig über %1 Tage "
        "verteilen !!!\n\n";
    const QString salts =
        "%1g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)\n%2g Magnesiumsulfat Heptahydrat (MgSO4 x "
        "7H2O)\n";
    row("magnesium, initial texts", "Command5", {"300", "1200", "1300"},
        days.arg(5) + salts.arg("227,4", "28,5"));
    row("magnesium, 100 litres", "Command5", {"100", "1200", "1300"},
        days.arg(5) + salts.arg("75,8", "9,5"));
    row("magnesium, cut", "Command5", {"300", "1200", "1221"},
        days.arg(2) + salts.arg("47,75", "5,98"));
    row("magnesium, 20 mg/l needs no advice", "Command5", {"300", "1200", "1220"},
        salts.arg("45,48", "5,7"));
    row("magnesium, lowering", "Command5", {"300", "1300", "1279"}, salts.arg("-47,76", "-5,99"));

    const QString magnesiumDays =
        "!!! Salze bitte in reichlich Aquariumwasser auflösen und geleichmäßig über %1 Tage "
        "verteilen!!!\n\n";
    const QString calciumDays =
        "Salze bitte gleichmäßig in reichlich Aquariumwasser auflösen und geleichmäßig über %1 "
        "Tage verteilen!!!\n\n";
    const QString calciumOnly =
        "%1g Claciumchlorid Dihydrat (CaCl2 x 2H2O)\n%2g Natrium Hydrogencarbonat (NaHCO3)\n"
        "%3g Natriumchlorid freies Meersalz \n==>Ersetzt %4g Meersalz\n";
    const QString both =
        "%1g Claciumchlorid Dihydrat (CaCl2 x 2H2O) \n%2g Natrium Hydrogencarbonat (NaHCO3) \n"
        "%3g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)\n%4gMagnesiumsulfat Heptahydrat (MgSO4 x "
        "7H2O)\n%5g Natriumchlorid freies Meersalz \n==>Ersetzt %6g Meersalz\n";
    const QStringList initial{"300", "380", "1200", "500", "1300"};
    const QStringList small{"100", "400", "1250", "420", "1300"};
    row("calcium, initial texts", "Command6", initial,
        magnesiumDays.arg(12) + calciumOnly.arg("132,04", "150,84", "45", "150,12"));
    row("calcium, initial texts with magnesium", "Command6", initial,
        calciumDays.arg(12) + both.arg("132,04", "150,84", "227,4", "28,5", "45", "150,12"), true);
    row("calcium, magnesium needs more days", "Command6", small,
        magnesiumDays.arg(3) + both.arg("7,33", "8,38", "37,9", "4,75", "2,5", "8,34"), true);
    row("calcium, same without magnesium", "Command6", small,
        magnesiumDays.arg(2) + calciumOnly.arg("7,33", "8,38", "2,5", "8,34"));
    row("calcium, tie at 10 and 20 needs no advice", "Command6",
        {"100", "400", "1250", "410", "1270"},
        both.arg("3,66", "4,19", "15,16", "1,9", "1,25", "4,17"), true);
}

void HandlersTest::results() {
    QFETCH(QString, button);
    QFETCH(QStringList, texts);
    QFETCH(bool, withMagnesium);
    QFETCH(QString, expected);

    if (withMagnesium) {
        probe::press(*window_, "Checkmitmagnesium");
    }
    fill(button, texts);
    // No panel reads another's fields: the new-water temperature is not the
    // density change's.
    control<QLineEdit>(*window_, "txt_Temperatur")
        ->setText(button == QLatin1String("cmd_Dichte") ? local(texts[1]) : "-99");
    probe::press(*window_, button);
    QCOMPARE(numbers_, QList<int>{});
    QCOMPARE(resultOf(button), local(expected));
}

void HandlersTest::initialTextsFollowTheRegionalSettings() {
    // "1,023" is a decimal under German settings and 1023 under English ones,
    // a density that no amount of salt reaches.
    probe::press(*window_, "cmd_Dichte");
    if (QLocale::system().decimalPoint() == QLatin1String(",")) {
        QCOMPARE(numbers_, QList<int>{});
        QCOMPARE(resultOf("cmd_Dichte"), QStringLiteral("690,91 Gramm Meersalz werden benötigt"));
    } else {
        QCOMPARE(numbers_, QList<int>{runtime::InvalidArgument});
        QVERIFY(resultOf("cmd_Dichte").isEmpty());
    }
}

void HandlersTest::errors_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    const auto row = [](const char* tag, const char* button, const char* field, const char* text,
                        int number) {
        QTest::newRow(tag) << QString::fromLatin1(button) << QString::fromLatin1(field)
                           << QString::fromLatin1(text) << number;
    };
    row("new water, empty temperature", "cmd_Dichte", "txt_Temperatur", "", 13);
    row("new water, letters for density", "cmd_Dichte", "txt_Dichte", "abc", 13);
    row("new water, unreachable density", "cmd_Dichte", "txt_Dichte", "1,5", 5);
    row("density change, letter for volume", "Command1", "txt2_Liter", "x", 13);
    row("magnesium, empty wanted content", "Command5", "magnesium_ziel", "", 13);
    row("magnesium, day count beyond 16 bits", "Command5", "magnesium_ziel", "656541", 6);
    row("calcium, empty volume", "Command6", "txt_magnesiumbecken", "", 13);
    row("calcium, letter in hidden magnesium field", "Command6", "txt_plusmagnesium", "a", 13);
}

void HandlersTest::errors() {
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, number);

    for (const char* density : {"txt_Dichte", "txt_Dichtejetzt"}) {
        control<QLineEdit>(*window_, density)->setText(local("1,023"));
    }
    control<QLineEdit>(*window_, "txt_Dichteneu")->setText(local("1,024"));
    probe::press(*window_, button);
    const QString previous = resultOf(button);
    QVERIFY(!previous.isEmpty());

    control<QLineEdit>(*window_, field)->setText(local(text));
    probe::press(*window_, button);
    QCOMPARE(numbers_, QList<int>{number});
    const QString heading = QStringLiteral("Laufzeitfehler '%1':\n\n").arg(number);
    QVERIFY2(messages_.first().startsWith(heading), qPrintable(messages_.first()));
    QVERIFY(messages_.first().size() > heading.size());
    // Only the calcium handler empties its result before calculating.
    const bool emptied = button == QLatin1String("Command6");
    QCOMPARE(resultOf(button), emptied ? QString() : previous);
    QCOMPARE(control<QLineEdit>(*window_, field)->text(), local(text));
}

void HandlersTest::checkBox_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("withMagnesium");
    QTest::newRow("once") << 1 << true;
    QTest::newRow("twice") << 2 << false;
    QTest::newRow("three times") << 3 << true;
}

void HandlersTest::checkBox() {
    QFETCH(int, clicks);
    QFETCH(bool, withMagnesium);

    probe::press(*window_, "Command4");
    control<QLineEdit>(*window_, "txt_plusmagnesium")->setText("1333");
    for (int i = 0; i < clicks; ++i) {
        probe::press(*window_, "Command6");
        QVERIFY(!resultOf("Command6").isEmpty());
        probe::press(*window_, "Checkmitmagnesium");
        QVERIFY(resultOf("Command6").isEmpty());
    }
    QCOMPARE(control<QCheckBox>(*window_, "Checkmitmagnesium")->isChecked(), withMagnesium);
    for (const char* name : {"lbl_plusmagnesium", "txt_plusmagnesium", "lbl_plusistmagnesium",
                             "txt_plusistmagnesium"}) {
        QCOMPARE(control(*window_, name)->isVisible(), withMagnesium);
    }
    QCOMPARE(control<QLineEdit>(*window_, "txt_plusmagnesium")->text(), QStringLiteral("1333"));
    QCOMPARE(control<QLineEdit>(*window_, "txt_plusistmagnesium")->text(), QStringLiteral("1200"));
}

void HandlersTest::errorDialog() {
    Formular window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    control<QLineEdit>(window, "magnesium_becken")->setText("abc");

    QString title;
    QString text;
    QTimer closer;
    connect(&closer, &QTimer::timeout, &closer, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    closer.start(20);
    probe::press(window, "Command5");
    closer.stop();

    QCOMPARE(title, QStringLiteral("Marelto"));
    QCOMPARE(text, QStringLiteral("Laufzeitfehler '13':\n\nTypen unverträglich"));
    QVERIFY(window.isVisible());
    QVERIFY(control<QPlainTextEdit>(window, "txt_magerg")->toPlainText().isEmpty());
}

// What the magnesium result tells a screen reader around the end of its
// text, where Orca looks to learn what is in view: offsets past the end
// answer as the end does, and nothing warns of a position out of range.
void HandlersTest::resultFieldEnd_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("fromEnd");  // the offset asked for, from the text's end
    QTest::addColumn<QString>("answer");
    QTest::newRow("extent of the last letter") << "characterRect" << -2 << "drawn";
    QTest::newRow("extent at the end") << "characterRect" << 0 << "none";
    QTest::newRow("extent past the end") << "characterRect" << 1 << "none";
    QTest::newRow("last letter") << "text" << -2 << ")";
    QTest::newRow("text at the end") << "text" << 0 << "";
    QTest::newRow("character at the end") << "textAtOffset" << 0 << "'' 0..0";
    QTest::newRow("character past the end") << "textAtOffset" << 3 << "'' 0..0";
    QTest::newRow("last letter, before the end") << "textBeforeOffset" << -1 << "')' -2..-1";
    QTest::newRow("cursor past the end") << "setCursorPosition" << 5 << "0";
}

void HandlersTest::resultFieldEnd() {
    QFETCH(QString, query);
    QFETCH(int, fromEnd);
    QFETCH(QString, answer);

    probe::press(*window_, "Command5");
    QVERIFY(!resultOf("Command5").isEmpty());
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(control(*window_, "txt_magerg"))->textInterface();
    QVERIFY(text != nullptr);
    const int end = text->characterCount();
    QCOMPARE(end, resultOf("Command5").size());
    const int offset = end + fromEnd;
    QString answered;
    if (query == "characterRect") {
        answered = text->characterRect(offset).isEmpty() ? "none" : "drawn";
    } else if (query == "text") {
        answered = text->text(offset, offset + 1);
    } else if (query == "setCursorPosition") {
        text->setCursorPosition(offset);
        answered = QString::number(text->cursorPosition() - end);
    } else {
        int start = 0;
        int stop = 0;
        const QString piece =
            query == "textAtOffset"
                ? text->textAtOffset(offset, QAccessible::CharBoundary, &start, &stop)
                : text->textBeforeOffset(offset, QAccessible::CharBoundary, &start, &stop);
        answered = QStringLiteral("'%1' %2..%3").arg(piece).arg(start - end).arg(stop - end);
    }
    QCOMPARE(answered, answer);
}

QTEST_MAIN(HandlersTest)
#include "handlers_test.moc"
