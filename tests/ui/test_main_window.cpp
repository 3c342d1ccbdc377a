// The main window as the loader leaves it: places, captions, colours, tool tips, the symbol
// window of stop 0, the symbol pictures and the reel buttons.
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>
#include <set>

#include "helpers/window_fixture.h"
#include "ui/main/reel_window.h"
#include "ui/main/symbol_art.h"
#include "ui/main/window_caption.h"

using namespace kragmoor;
using kragmoor::testing::WindowFixture;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsSitAtTheirPlaces() {
        WindowFixture f;
        QCOMPARE(f.Window().size(), QSize(676, 630));  // 10140 x 9450 twips
        struct Place {
            const char* name;
            QRect twips;
        };
        const Place places[] = {
            {"cmdExit", {120, 8760, 495, 615}},
            {"cmdAUTO", {720, 8760, 495, 615}},
            {"cmdStart", {1320, 8760, 495, 615}},
            {"cmdSave", {1920, 8760, 495, 615}},
            {"cmdAdd", {2520, 8760, 495, 615}},
            {"cmdReels_3", {1920, 8280, 495, 375}},
            {"txtAddCredit", {2280, 7920, 735, 285}},
            {"txtTextBox1", {3120, 7860, 3375, 1575}},
            {"Label1_0", {6600, 7920, 3435, 255}},
            {"Label1_2", {8340, 8340, 1695, 255}},
            {"Label1_4", {2280, 7920, 735, 255}},
            {"Label1_6", {8340, 9120, 1695, 255}},
            {"Label2", {240, 6960, 2655, 795}},
            {"cmd_SlotDesignDetails", {3135, 6930, 6930, 915}},
        };
        for (const Place& p : places) {
            auto* w = f.Window().findChild<QWidget*>(QString::fromLatin1(p.name));
            QVERIFY2(w != nullptr, p.name);
            const QRect px(qRound(p.twips.x() / 15.0), qRound(p.twips.y() / 15.0),
                           qRound(p.twips.width() / 15.0), qRound(p.twips.height() / 15.0));
            QVERIFY2(w->geometry() == px, p.name);
        }
    }

    void cellsSitEdgeToEdgeBelowTheBand() {
        WindowFixture f;
        auto* box = f.Window().findChild<ReelWindow*>(QStringLiteral("Picture2"));
        QVERIFY(box != nullptr);
        // Left 200, top 60 twips; 5 W wide and 3 W + 975 twips high with W = 130 pixels.
        QCOMPARE(box->geometry(), QRect(13, 4, 650, 390 + 65));
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(box->Cell(i)->geometry(), QRect((i % 5) * 130, 65 + (i / 5) * 130, 130, 130));
        }
    }

    void captionsColoursAndToolTips() {
        WindowFixture f;
        QCOMPARE(f.Button("cmdExit")->text(), QStringLiteral("Exit"));
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        QCOMPARE(f.Button("cmdStart")->text(), QStringLiteral("Step"));
        QCOMPARE(f.Button("cmdSave")->text(), QStringLiteral("Save"));
        QCOMPARE(f.Button("cmdAdd")->text(), QStringLiteral("Add"));
        QCOMPARE(f.Button("cmdAdd")->toolTip(), QString::fromUtf8(" Въвеждане на кредит "));
        QCOMPARE(f.CreditField()->toolTip(), QString::fromUtf8(" Въведете кредит ! "));
        QCOMPARE(f.Label(0)->toolTip(), QStringLiteral(" Win / Bet  = RTP [percent] "));
        QCOMPARE(f.Label(4)->toolTip(), QStringLiteral(" HitRate = "));
        QCOMPARE(f.Button("cmd_SlotDesignDetails")->toolTip(),
                 QStringLiteral(" Math Design Details "));
        QVERIFY(!f.Button("cmd_SlotDesignDetails")->icon().isNull());

        const QColor exit = f.Button("cmdExit")->palette().color(QPalette::Button);
        const QColor save = f.Button("cmdSave")->palette().color(QPalette::Button);
        const QColor add = f.Button("cmdAdd")->palette().color(QPalette::Button);
        QVERIFY(exit.red() == 255 && exit.green() < 160 && exit.blue() < 160);  // light red
        QVERIFY(save.red() == 255 && save.green() > 150 && save.blue() < 150);  // light orange
        QVERIFY(add.red() == 255 && add.blue() > 180 && add.green() > 150);     // pink
        QCOMPARE(f.Label(5)->palette().color(QPalette::Window), add);
        QVERIFY(f.Label(5)->autoFillBackground());
        QCOMPARE(f.Label(6)->frameShape(), QFrame::Box);
        QCOMPARE(f.Button("cmdStart")->nextInFocusChain(), f.Button("cmdAUTO"));
    }

    void loaderStateOfTheControls() {
        WindowFixture f;
        QCOMPARE(f.Window().windowTitle(),
                 QStringLiteral(" SLOT  Simulator RTP = 96.5%  ver.G0 reference 1"));
        QVERIFY(f.Check("chkRND")->isChecked());
        QVERIFY(!f.Check("chkRND")->isEnabled());
        QVERIFY(!f.Check("chkStopJP")->isChecked());
        QVERIFY(f.CreditField()->isHidden());
        QCOMPARE(f.Label(5)->text(), QStringLiteral(" Cash = 1 000 000 $"));
        QCOMPARE(f.Label(6)->text(), QStringLiteral(" Total = 1 000 000 $"));
        auto* title = f.Window().findChild<QLabel*>(QStringLiteral("Label2"));
        QCOMPARE(title->text(), QStringLiteral("Kragmoor\nGame mathematics by\nQuorvane Ltd."));
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().styleHint(), QFont::Serif);
    }

    void captionUsesTheSystemDecimalPoint() {
        GameDefinition def;
        def.GameRTP = 95.67f;
        def.GameVersion = "2.1";
        QCOMPARE(WindowCaption(def, QStringLiteral(",")),
                 QStringLiteral(" SLOT  Simulator RTP = 95,67%  ver.2.1"));
        def.GameRTP = 96.0f;
        QCOMPARE(WindowCaption(def, QStringLiteral(".")),
                 QStringLiteral(" SLOT  Simulator RTP = 96%  ver.2.1"));
    }

    void cellsShowTheWindowOfStopZero() {
        WindowFixture f;
        const GameDefinition& def = f.Control().Definition();
        for (int reel = 0; reel < 5; ++reel) {
            QCOMPARE(f.Window().Display().Code(reel), int{def.ReelStrip[def.ReelLen[reel]][reel]});
            QCOMPARE(f.Window().Display().Code(reel + 5), int{def.ReelStrip[0][reel]});
            QCOMPARE(f.Window().Display().Code(reel + 10), int{def.ReelStrip[1][reel]});
        }
    }

    void reelButtonsShowTheSelectedReelInBold() {
        WindowFixture f;
        auto bold = [&f](int i) {
            return f.Button(QStringLiteral("cmdReels_%1").arg(i))->font().bold();
        };
        for (int i = 0; i < 4; ++i) QVERIFY(!bold(i));
        QVERIFY(bold(4));
        f.Button(QStringLiteral("cmdReels_2"))->click();
        f.Button(QStringLiteral("cmdReels_2"))->click();
        QCOMPARE(f.State().SelectedReel, std::int16_t{2});
        for (int i = 0; i < 5; ++i) QCOMPARE(bold(i), i == 2);
    }

    void autoStopBoxDrivesTheRunControl() {
        WindowFixture f;
        f.Check("chkStopJP")->click();
        QVERIFY(f.Control().AutoStop());
        f.Check("chkStopJP")->click();
        QVERIFY(!f.Control().AutoStop());
    }

    void symbolPicturesAreDistinctAndSized() {
        WindowFixture f;
        const SymbolImageList& images = f.Window().ImageList1();
        std::set<qint64> keys;
        for (int code = 0; code < 13; ++code) {
            const QPixmap& p = images.Image(SymbolImageList::IndexOf(code));
            QCOMPARE(p.size(), QSize(130, 130));
            const QImage image = p.toImage();
            keys.insert(static_cast<qint64>(
                qHashBits(image.constBits(), static_cast<size_t>(image.sizeInBytes()))));
        }
        QCOMPARE(keys.size(), std::size_t{13});
        // The name is lettered on the picture; the roles of 11 and 12 do not depend on it.
        QVERIFY(SymbolPicture(3, QStringLiteral("Horn")) !=
                SymbolPicture(3, QStringLiteral("Harp")));
        QVERIFY(SymbolPicture(11, QStringLiteral("Moss")) !=
                SymbolPicture(0, QStringLiteral("Moss")));
        QCOMPARE(SymbolPicture(12, QStringLiteral("Rune")).size(), QSize(130, 130));
    }

    void windowIsPlacedBottomRight() {
        WindowFixture f;
        f.Window().show();
        f.Window().PlaceOnScreen();
        const QRect screen = f.Window().screen()->geometry();
        const QRect frame = f.Window().frameGeometry();
        if (screen.width() >= frame.width() + 4) {
            QCOMPARE(frame.right() + 1, screen.right() + 1 - 4);  // 60 twips from the right
        }
        if (screen.height() >= frame.height() + 32) {
            QCOMPARE(frame.bottom() + 1, screen.bottom() + 1 - 32);  // 480 twips from the bottom
        }
        QVERIFY(screen.contains(frame.topLeft()));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
