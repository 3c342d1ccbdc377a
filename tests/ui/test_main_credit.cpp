// Credit entry: the key filter and the pastes that go through it, the buttons locked, usable and
// focused around it; Step without credit asks for it.
#include <QRegularExpression>

#include "helpers/fixtures.h"
#include "ui/main/credit_entry.h"

using namespace kragmoor;
using kragmoor::test::WindowFixture;

namespace {

const QStringList kFiveButtons = {"cmdAdd", "cmdExit", "cmdAUTO", "cmdStart", "cmdSave"};

// Types `keys` into the field; a key's name in brackets stands for it ([Enter] is the keypad's),
// [Middle] for a click of the middle button.
void Type(CreditEntry* field, const QString& keys) {
    for (const QString& part : keys.split(QRegularExpression(QStringLiteral("(?=\\[)|(?<=\\])")))) {
        const QString name = part.mid(1, part.size() - 2);
        if (!part.startsWith(QLatin1Char('['))) {
            QTest::keyClicks(field, part);
        } else if (name == QStringLiteral("Middle")) {
            QTest::mouseClick(field, Qt::MiddleButton);
        } else {
            const QKeyCombination key = QKeySequence(name)[0];
            QTest::keyClick(field, key.key(), key.keyboardModifiers());
        }
    }
}

// Keys typed after Add with `credit` on the account and `clipboard` to paste; `field` is what the
// open field then shows, null when the keys closed it; `step`: Step is then usable and focused.
const struct {
    const char *name, *keys, *clipboard, *field;
    qint64 credit, booked;
    bool step;
} kCases[] = {
    {"enough credit", "500[Return]", "", nullptr, 10, 510, true},
    {"too little", "5[Enter]", "", nullptr, 10, 15, false},
    {"a letter empties", "12a", "", "a", 10, 10, false},
    {"a minus empties", "300-", "", "-", 10, 10, false},
    {"backspace empties", "123[Backspace]", "", "", 10, 10, false},
    {"a blank empties", "7 ", "", " ", 10, 10, false},
    {"keys that type nothing pass", "12[Left][Home]3", "", "312", 10, 10, false},
    {"enter on empty", "[Return]", "", nullptr, 1000, 1000, true},
    {"esc after 300", "300[Esc]", "", nullptr, 0, 0, true},
    {"past the range", "99999999999[Return]", "", nullptr, 10, 10, false},
    {"Ctrl+V: digits", "12[Left][Ctrl+V]", " 300\r\n", "13002", 10, 10, false},
    {"Ctrl+V: a letter", "12[Left][Ctrl+V]", "3a4", "a4", 10, 10, false},
    {"Ctrl+V books", "[Ctrl+V][Return]", "500", nullptr, 10, 510, true},
    {"Shift+Ins: a letter", "12[Left][Shift+Ins]", "3a4", "a4", 10, 10, false},
    {"middle button: a letter", "12[Middle]", "3a4", "a4", 10, 10, false},
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
        QClipboard* clipboard = QGuiApplication::clipboard();
        const bool middle = QByteArray(c.keys).contains("[Middle]");
        if (middle && !clipboard->supportsSelection()) QSKIP("no selection on this platform");
        clipboard->setText(QString::fromLatin1(c.clipboard),
                           middle ? QClipboard::Selection : QClipboard::Clipboard);
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
