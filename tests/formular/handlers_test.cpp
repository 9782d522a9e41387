// Each calculator handler reads its own fields into the right places of the
// calculation and writes its result once; errors leave the program running
// with the previous result kept (the calcium result emptied).

#include "window_probe.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <cstdlib>

using probe::control;
using probe::local;

class HandlersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void newWater_data();
    void newWater();
    void initialTextsFollowTheRegionalSettings();
    void densityChange_data();
    void densityChange();
    void magnesium_data();
    void magnesium();
    void calcium_data();
    void calcium();
    void errors_data();
    void errors();
    void checkBox_data();
    void checkBox();
    void errorDialog();

private:
    void setText(const QString& field, const QString& germanNotation);
    QString resultOf(const QString& name) const;

    std::unique_ptr<Formular> window_;
    QList<int> numbers_;
    QStringList messages_;
};

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

void HandlersTest::setText(const QString& field, const QString& germanNotation) {
    control<QLineEdit>(*window_, field)->setText(local(germanNotation));
}

QString HandlersTest::resultOf(const QString& name) const {
    if (const auto* label = control<QLabel>(*window_, name)) {
        return label->text();
    }
    return control<QPlainTextEdit>(*window_, name)->toPlainText();
}

void HandlersTest::newWater_data() {
    QTest::addColumn<QString>("density");
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("litres");
    QTest::addColumn<QString>("expected");

    QTest::newRow("cut, not rounded") << "1,023"
                                      << "25"
                                      << "20"
                                      << "690,91 Gramm Meersalz werden benötigt";
    QTest::newRow("negative volume") << "1,023"
                                     << "25"
                                     << "-20"
                                     << "-690,92 Gramm Meersalz werden benötigt";
    QTest::newRow("no volume") << "1,023"
                               << "25"
                               << "0"
                               << "0 Gramm Meersalz werden benötigt";
}

void HandlersTest::newWater() {
    QFETCH(QString, density);
    QFETCH(QString, temperature);
    QFETCH(QString, litres);
    QFETCH(QString, expected);

    setText("txt_Dichte", density);
    setText("txt_Temperatur", temperature);
    setText("txt_Liter", litres);
    probe::press(*window_, "cmd_Dichte");
    QCOMPARE(numbers_, QList<int>{});
    QCOMPARE(resultOf("lbl_ergebnis"), local(expected));
}

void HandlersTest::initialTextsFollowTheRegionalSettings() {
    // "1,023" is a decimal under German settings and 1023 under English ones,
    // a density that no amount of salt reaches.
    probe::press(*window_, "cmd_Dichte");
    if (QLocale::system().decimalPoint() == QLatin1String(",")) {
        QCOMPARE(numbers_, QList<int>{});
        QCOMPARE(resultOf("lbl_ergebnis"), QStringLiteral("690,91 Gramm Meersalz werden benötigt"));
    } else {
        QCOMPARE(numbers_, QList<int>{runtime::InvalidArgument});
        QVERIFY(resultOf("lbl_ergebnis").isEmpty());
    }
}

void HandlersTest::densityChange_data() {
    QTest::addColumn<QString>("densityNow");
    QTest::addColumn<QString>("densityNew");
    QTest::addColumn<QString>("litres");
    QTest::addColumn<QString>("expected");

    QTest::newRow("add salt") << "1,023"
                              << "1,024"
                              << "20"
                              << "24,9 Gramm Meersalz müssen hinzugefügt werden";
    QTest::newRow("replace water") << "1,024"
                                   << "1,023"
                                   << "20"
                                   << "Sie müssen 0,86 Liter Wasser mit Süßwasser ersetzen";
    QTest::newRow("no change") << "1,023"
                               << "1,023"
                               << "20"
                               << "0 Gramm Meersalz müssen hinzugefügt werden";
}

void HandlersTest::densityChange() {
    QFETCH(QString, densityNow);
    QFETCH(QString, densityNew);
    QFETCH(QString, litres);
    QFETCH(QString, expected);

    setText("txt_Dichtejetzt", densityNow);
    setText("txt_Dichteneu", densityNew);
    setText("txt2_Liter", litres);
    // The new-water temperature has no say here.
    setText("txt_Temperatur", "30");
    probe::press(*window_, "Command1");
    QCOMPARE(numbers_, QList<int>{});
    QCOMPARE(resultOf("lbl2_ergebnis"), local(expected));
}

void HandlersTest::magnesium_data() {
    QTest::addColumn<QString>("litres");
    QTest::addColumn<QString>("present");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("expected");

    const QString advice =
        "!!! Salze bitte in reichlich Aquariumwasser auflösen und geleichmäßig über %1 Tage "
        "verteilen !!!\n\n";
    const QString amounts =
        "%1g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)\n"
        "%2g Magnesiumsulfat Heptahydrat (MgSO4 x 7H2O)\n";
    QTest::newRow("initial texts") << "300"
                                   << "1200"
                                   << "1300" << advice.arg(5) + amounts.arg("227,4", "28,5");
    QTest::newRow("100 litres") << "100"
                                << "1200"
                                << "1300" << advice.arg(5) + amounts.arg("75,8", "9,5");
    QTest::newRow("cut to two decimals") << "300"
                                         << "1200"
                                         << "1221" << advice.arg(2) + amounts.arg("47,75", "5,98");
    QTest::newRow("20 mg/l needs no advice") << "300"
                                             << "1200"
                                             << "1220" << amounts.arg("45,48", "5,7");
    QTest::newRow("lowering") << "300"
                              << "1300"
                              << "1279" << amounts.arg("-47,76", "-5,99");
}

void HandlersTest::magnesium() {
    QFETCH(QString, litres);
    QFETCH(QString, present);
    QFETCH(QString, wanted);
    QFETCH(QString, expected);

    setText("magliter_becken", litres);
    setText("magnesium_becken", present);
    setText("magnesium_ziel", wanted);
    probe::press(*window_, "Command5");
    QCOMPARE(numbers_, QList<int>{});
    QCOMPARE(resultOf("txt_magerg"), local(expected));
}

void HandlersTest::calcium_data() {
    QTest::addColumn<QStringList>("fields");  // volume, Ca now, Mg now, Ca wanted, Mg wanted
    QTest::addColumn<bool>("withMagnesium");
    QTest::addColumn<QString>("expected");

    const QString magnesiumAdvice =
        "!!! Salze bitte in reichlich Aquariumwasser auflösen und geleichmäßig über %1 Tage "
        "verteilen!!!\n\n";
    const QString calciumAdvice =
        "Salze bitte gleichmäßig in reichlich Aquariumwasser auflösen und geleichmäßig über %1 "
        "Tage verteilen!!!\n\n";
    const QString calciumOnly =
        "%1g Claciumchlorid Dihydrat (CaCl2 x 2H2O)\n"
        "%2g Natrium Hydrogencarbonat (NaHCO3)\n"
        "%3g Natriumchlorid freies Meersalz \n"
        "==>Ersetzt %4g Meersalz\n";
    const QString both =
        "%1g Claciumchlorid Dihydrat (CaCl2 x 2H2O) \n"
        "%2g Natrium Hydrogencarbonat (NaHCO3) \n"
        "%3g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)\n"
        "%4gMagnesiumsulfat Heptahydrat (MgSO4 x 7H2O)\n"
        "%5g Natriumchlorid freies Meersalz \n"
        "==>Ersetzt %6g Meersalz\n";
    const QStringList initial{"300", "380", "1200", "500", "1300"};
    const QStringList small{"100", "400", "1250", "420", "1300"};

    QTest::newRow("initial texts, calcium only")
        << initial << false
        << magnesiumAdvice.arg(12) + calciumOnly.arg("132,04", "150,84", "45", "150,12");
    QTest::newRow("initial texts, with magnesium")
        << initial << true
        << calciumAdvice.arg(12) + both.arg("132,04", "150,84", "227,4", "28,5", "45", "150,12");
    QTest::newRow("magnesium needs more days")
        << small << true
        << magnesiumAdvice.arg(3) + both.arg("7,33", "8,38", "37,9", "4,75", "2,5", "8,34");
    QTest::newRow("same inputs, calcium only")
        << small << false
        << magnesiumAdvice.arg(2) + calciumOnly.arg("7,33", "8,38", "2,5", "8,34");
    QTest::newRow("tie at 10 and 20 gives no advice")
        << QStringList{"100", "400", "1250", "410", "1270"} << true
        << both.arg("3,66", "4,19", "15,16", "1,9", "1,25", "4,17");
}

void HandlersTest::calcium() {
    QFETCH(QStringList, fields);
    QFETCH(bool, withMagnesium);
    QFETCH(QString, expected);

    if (withMagnesium) {
        probe::press(*window_, "Checkmitmagnesium");
    }
    const QStringList names{"txt_magnesiumbecken", "txt_kalziumjetzt", "txt_plusistmagnesium",
                            "txt_pluskalzium", "txt_plusmagnesium"};
    for (qsizetype i = 0; i < names.size(); ++i) {
        setText(names[i], fields[i]);
    }
    probe::press(*window_, "Command6");
    QCOMPARE(numbers_, QList<int>{});
    QCOMPARE(resultOf("ergebnis_kalzium"), local(expected));
}

void HandlersTest::errors_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("emptied");

    QTest::newRow("new water, empty temperature") << "cmd_Dichte"
                                                  << "txt_Temperatur"
                                                  << "" << 13 << "lbl_ergebnis" << false;
    QTest::newRow("new water, letters for density") << "cmd_Dichte"
                                                    << "txt_Dichte"
                                                    << "abc" << 13 << "lbl_ergebnis" << false;
    QTest::newRow("new water, unreachable density") << "cmd_Dichte"
                                                    << "txt_Dichte"
                                                    << "1,5" << 5 << "lbl_ergebnis" << false;
    QTest::newRow("density change, letter for volume") << "Command1"
                                                       << "txt2_Liter"
                                                       << "x" << 13 << "lbl2_ergebnis" << false;
    QTest::newRow("magnesium, empty wanted content") << "Command5"
                                                     << "magnesium_ziel"
                                                     << "" << 13 << "txt_magerg" << false;
    QTest::newRow("magnesium, day count beyond 16 bits") << "Command5"
                                                         << "magnesium_ziel"
                                                         << "656541" << 6 << "txt_magerg" << false;
    QTest::newRow("calcium, empty volume") << "Command6"
                                           << "txt_magnesiumbecken"
                                           << "" << 13 << "ergebnis_kalzium" << true;
    QTest::newRow("calcium, letter in hidden magnesium field")
        << "Command6"
        << "txt_plusmagnesium"
        << "a" << 13 << "ergebnis_kalzium" << true;
}

void HandlersTest::errors() {
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QString, result);
    QFETCH(bool, emptied);

    for (const char* density : {"txt_Dichte", "txt_Dichtejetzt"}) {
        setText(density, "1,023");
    }
    setText("txt_Dichteneu", "1,024");
    probe::press(*window_, button);
    const QString previous = resultOf(result);
    QVERIFY(!previous.isEmpty());

    setText(field, text);
    probe::press(*window_, button);
    QCOMPARE(numbers_, QList<int>{number});
    QVERIFY2(messages_.first().startsWith(QStringLiteral("Laufzeitfehler '%1':\n\n").arg(number)),
             qPrintable(messages_.first()));
    QVERIFY(messages_.first().size() >
            QStringLiteral("Laufzeitfehler '%1':\n\n").arg(number).size());
    QCOMPARE(resultOf(result), emptied ? QString() : previous);
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
    setText("txt_plusmagnesium", "1333");
    for (int i = 0; i < clicks; ++i) {
        probe::press(*window_, "Command6");
        QVERIFY(!resultOf("ergebnis_kalzium").isEmpty());
        probe::press(*window_, "Checkmitmagnesium");
        QVERIFY(resultOf("ergebnis_kalzium").isEmpty());
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
    QVERIFY2(text.startsWith(QStringLiteral("Laufzeitfehler '13':\n\n")), qPrintable(text));
    QVERIFY(window.isVisible());
    QVERIFY(control<QPlainTextEdit>(window, "txt_magerg")->toPlainText().isEmpty());
}

QTEST_MAIN(HandlersTest)
#include "handlers_test.moc"
