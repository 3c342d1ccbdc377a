// Credit entry: Add opens the field, the key filter, Enter books, Esc cancels, and which of the
// five buttons are usable and focused afterwards.
#include <QApplication>
#include <QtTest>

#include "helpers/window_fixture.h"

using namespace kragmoor;
using kragmoor::testing::WindowFixture;

class CreditEntryTest : public QObject {
    Q_OBJECT

  private:
    static const QStringList& FiveButtons() {
        static const QStringList names = {"cmdAdd", "cmdExit", "cmdAUTO", "cmdStart", "cmdSave"};
        return names;
    }

    // Opens the entry with `credit` on the account.
    static void Open(WindowFixture& f, std::int64_t credit) {
        f.ShowActive();
        f.Control().MutableState().Credit = credit;
        f.Button("cmdAdd")->click();
    }

    static void Type(WindowFixture& f, const QString& keys) {
        QTest::keyClicks(f.CreditField(), keys);
    }
    static void Press(WindowFixture& f, Qt::Key key) { QTest::keyClick(f.CreditField(), key); }

  private slots:
    void addOpensTheFieldAndLocksTheButtons() {
        WindowFixture f;
        Open(f, 1000);
        QVERIFY(f.CreditField()->isVisible());
        QVERIFY(f.CreditField()->text().isEmpty());  // "0" at design time, emptied on opening
        QCOMPARE(QApplication::focusWidget(), f.CreditField());
        for (const QString& name : FiveButtons())
            QVERIFY2(!f.Button(name)->isEnabled(), qPrintable(name));
    }

    void enoughCreditFocusesStep() {
        WindowFixture f;
        Open(f, 10);
        Type(f, QStringLiteral("500"));
        Press(f, Qt::Key_Return);
        QCOMPARE(f.State().Credit, std::int64_t{510});
        QCOMPARE(f.State().CreditTotal, std::int64_t{1000500});
        QCOMPARE(f.Label(5)->text(), QStringLiteral(" Cash =   510 $"));
        QCOMPARE(f.Label(6)->text(), QStringLiteral(" Total = 1 000 500 $"));
        QVERIFY(f.CreditField()->isHidden());
        for (const QString& name : FiveButtons())
            QVERIFY2(f.Button(name)->isEnabled(), qPrintable(name));
        QCOMPARE(QApplication::focusWidget(), f.Button("cmdStart"));
    }

    void tooLittleCreditKeepsStepDisabled() {
        WindowFixture f;
        Open(f, 10);
        Type(f, QStringLiteral("5"));
        Press(f, Qt::Key_Enter);  // the keypad's Enter books too
        QCOMPARE(f.State().Credit, std::int64_t{15});
        QVERIFY(!f.Button("cmdStart")->isEnabled());
        QVERIFY(f.Button("cmdAdd")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.Button("cmdAdd"));
    }

    void anyOtherKeyEmptiesTheFieldFirst() {
        WindowFixture f;
        Open(f, 10);
        Type(f, QStringLiteral("12a"));
        QCOMPARE(f.CreditField()->text(), QStringLiteral("a"));
        Press(f, Qt::Key_Return);
        QCOMPARE(f.State().Credit, std::int64_t{10});
        QCOMPARE(f.State().CreditTotal, std::int64_t{1000000});

        f.Button("cmdAdd")->click();
        Type(f, QStringLiteral("300-"));
        QCOMPARE(f.CreditField()->text(), QStringLiteral("-"));  // the digits are gone
        Type(f, QStringLiteral("5"));
        Press(f, Qt::Key_Return);  // "-5" reads as 0
        QCOMPARE(f.State().Credit, std::int64_t{10});

        f.Button("cmdAdd")->click();
        Type(f, QStringLiteral("123"));
        Press(f, Qt::Key_Backspace);
        QVERIFY(f.CreditField()->text().isEmpty());
        Type(f, QStringLiteral("7 "));
        QCOMPARE(f.CreditField()->text(), QStringLiteral(" "));
    }

    void keysThatTypeNothingPassUnfiltered() {
        WindowFixture f;
        Open(f, 10);
        Type(f, QStringLiteral("12"));
        Press(f, Qt::Key_Left);
        Press(f, Qt::Key_Home);
        QCOMPARE(f.CreditField()->text(), QStringLiteral("12"));
        Type(f, QStringLiteral("3"));
        QCOMPARE(f.CreditField()->text(), QStringLiteral("312"));
    }

    void enterOnAnEmptyFieldClosesWithoutBooking() {
        WindowFixture f;
        Open(f, 1000);
        Press(f, Qt::Key_Return);
        QCOMPARE(f.State().Credit, std::int64_t{1000});
        QCOMPARE(f.State().CreditTotal, std::int64_t{1000000});
        QVERIFY(f.CreditField()->isHidden());
        QCOMPARE(QApplication::focusWidget(), f.Button("cmdStart"));
    }

    void escapeCancelsAndUnlocksAllFive() {
        WindowFixture f;
        Open(f, 0);
        Type(f, QStringLiteral("300"));
        Press(f, Qt::Key_Escape);
        QCOMPARE(f.State().Credit, std::int64_t{0});
        QVERIFY(f.CreditField()->isHidden());
        for (const QString& name : FiveButtons())
            QVERIFY2(f.Button(name)->isEnabled(), qPrintable(name));
        QCOMPARE(QApplication::focusWidget(), f.Button("cmdStart"));
    }

    void amountsPastTheRangeAreIgnored() {
        WindowFixture f;
        Open(f, 10);
        Type(f, QStringLiteral("99999999999"));
        Press(f, Qt::Key_Return);
        QCOMPARE(f.State().Credit, std::int64_t{10});
        QCOMPARE(f.State().CreditTotal, std::int64_t{1000000});
    }

    void stepWithoutCreditAsksForIt() {
        WindowFixture f;
        f.ShowActive();
        f.Control().MutableState().Credit = 19;
        f.Button("cmdStart")->click();
        QCOMPARE(f.Messages().Texts(), QStringList{QStringLiteral(" Add Credit ! ")});
        QCOMPARE(f.Messages().Titles(), QStringList{QStringLiteral("Kragmoor")});
        QCOMPARE(f.State().Games, std::int64_t{0});
        QVERIFY(!f.Button("cmdStart")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.Button("cmdAdd"));
        // Credit entry brings Step back.
        f.Button("cmdAdd")->click();
        Type(f, QStringLiteral("100"));
        Press(f, Qt::Key_Return);
        QVERIFY(f.Button("cmdStart")->isEnabled());
        f.Button("cmdStart")->click();
        QCOMPARE(f.State().Games, std::int64_t{1});
    }
};

QTEST_MAIN(CreditEntryTest)
#include "test_main_credit.moc"
