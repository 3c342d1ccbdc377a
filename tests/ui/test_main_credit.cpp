// Credit entry: Add opens the field and locks the buttons, the key filter, Enter books, Esc
// cancels, and which buttons are usable and focused afterwards; Step without credit asks for it.
#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QtTest>

#include "helpers/fixtures.h"
#include "ui/main/credit_entry.h"

using namespace kragmoor;
using kragmoor::test::WindowFixture;

namespace {

const QStringList kFiveButtons = {"cmdAdd", "cmdExit", "cmdAUTO", "cmdStart", "cmdSave"};

// Types `keys` into the field; [Return], [Enter] (the keypad's), [Esc], [Back], [Left] and
// [Home] stand for those keys.
void Type(CreditEntry* field, const QString& keys) {
    static const QHash<QString, Qt::Key> named = {
        {"Return", Qt::Key_Return},  {"Enter", Qt::Key_Enter}, {"Esc", Qt::Key_Escape},
        {"Back", Qt::Key_Backspace}, {"Left", Qt::Key_Left},   {"Home", Qt::Key_Home}};
    for (const QString& part : keys.split(QRegularExpression(QStringLiteral("(?=\\[)|(?<=\\])")))) {
        if (part.startsWith(QLatin1Char('[')))
            QTest::keyClick(field, named.value(part.mid(1, part.size() - 2)));
        else
            QTest::keyClicks(field, part);
    }
}

// Keys typed after Add with `credit` on the account; `field` is what the open field then shows,
// null when the keys closed it; `step` tells whether Step is then usable and focused.
const struct {
    const char *name, *keys, *field;
    qint64 credit, booked;
    bool step;
} kCases[] = {
    {"enough credit", "500[Return]", nullptr, 10, 510, true},
    {"too little", "5[Enter]", nullptr, 10, 15, false},
    {"a letter empties", "12a", "a", 10, 10, false},
    {"a letter books nothing", "12a[Return]", nullptr, 10, 10, false},
    {"a minus empties", "300-", "-", 10, 10, false},
    {"-5 books nothing", "300-5[Return]", nullptr, 10, 10, false},
    {"backspace empties", "123[Back]", "", 10, 10, false},
    {"a blank empties", "7 ", " ", 10, 10, false},
    {"keys that type nothing pass", "12[Left][Home]3", "312", 10, 10, false},
    {"enter on empty", "[Return]", nullptr, 1000, 1000, true},
    {"esc after 300", "300[Esc]", nullptr, 0, 0, true},
    {"past the range", "99999999999[Return]", nullptr, 10, 10, false},
};

}  // namespace

class CreditEntryTest : public QObject {
    Q_OBJECT

  private slots:
    void keys_data() {
        QTest::addColumn<std::size_t>("i");
        for (std::size_t i = 0; i < std::size(kCases); ++i) QTest::newRow(kCases[i].name) << i;
    }

    void keys() {
        QFETCH(std::size_t, i);
        const auto& c = kCases[i];
        WindowFixture f({}, [&c](RunState& start) { start.Credit = c.credit; });
        f.ShowActive();
        f.Button("cmdAdd")->click();
        auto* entry = f.Find<CreditEntry>("txtAddCredit");
        QVERIFY(entry->isVisible() && entry->text().isEmpty());
        for (const QString& name : kFiveButtons) QVERIFY(!f.Button(name)->isEnabled());
        Type(entry, QString::fromLatin1(c.keys));
        QCOMPARE(f.State().Credit, std::int64_t{c.booked});
        QCOMPARE(f.State().CreditTotal, 1000000 + c.booked - c.credit);
        if (c.field != nullptr) {
            QCOMPARE(entry->text(), QString::fromLatin1(c.field));
            QCOMPARE(QApplication::focusWidget(), entry);
            return;
        }
        QVERIFY(entry->isHidden());
        for (const QString& name : kFiveButtons)
            QCOMPARE(f.Button(name)->isEnabled(), c.step || name != QStringLiteral("cmdStart"));
        QCOMPARE(QApplication::focusWidget(), f.Button(c.step ? "cmdStart" : "cmdAdd"));
    }

    // A paste (Ctrl+V or Shift+Insert) types its text through the same rule, blanks and line
    // ends around it dropped: digits join the field at the cursor, any other character first
    // empties it. The field held "12" with the cursor after the 1.
    void pasteGoesThroughTheFilter_data() {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("field");
        for (const QKeyCombination key :
             {Qt::ControlModifier | Qt::Key_V, Qt::ShiftModifier | Qt::Key_Insert}) {
            const QString name = QKeySequence(key).toString() + ": ";
            QTest::addRow("%s", qPrintable(name + "digits")) << key << " 300\r\n"
                                                             << "13002";
            QTest::addRow("%s", qPrintable(name + "a letter")) << key << "3a4"
                                                               << "a4";
            QTest::addRow("%s", qPrintable(name + "grouped")) << key << "1 000"
                                                              << " 000";
        }
    }

    void pasteGoesThroughTheFilter() {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, clipboard);
        QFETCH(QString, field);
        WindowFixture f;
        f.ShowActive();
        f.Button("cmdAdd")->click();
        auto* entry = f.Find<CreditEntry>("txtAddCredit");
        Type(entry, QStringLiteral("12[Left]"));
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(entry, key.key(), key.keyboardModifiers());
        QCOMPARE(entry->text(), field);
    }

    void stepWithoutCreditAsksForIt() {
        WindowFixture f({}, [](RunState& start) { start.Credit = 19; });
        f.ShowActive();
        f.Button("cmdStart")->click();
        QCOMPARE(f.messages.texts, QStringList{QStringLiteral(" Add Credit ! ")});
        QCOMPARE(f.State().Games, std::int64_t{0});
        QVERIFY(!f.Button("cmdStart")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.Button("cmdAdd"));
    }
};

QTEST_MAIN(CreditEntryTest)
#include "test_main_credit.moc"
