// The about box: its texts, the targets its links open, and Close.
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

#include "helpers/ui_test_support.h"
#include "model/config.h"
#include "ui/about/about_config.h"
#include "ui/about/frm_about_math.h"
#include "ui/about/link_opener.h"

using namespace kragmoor;

class AboutBoxTest : public QObject {
    Q_OBJECT

  private:
    static QLabel* Label(frmAboutMath& box, const char* name) {
        auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
        if (label == nullptr) qFatal("no label %s", name);
        return label;
    }

  private slots:
    void fieldsAreFilledAtLoad() {
        frmAboutMath box;
        QCOMPARE(box.windowTitle(), QStringLiteral("Quorvane Ltd."));
        QCOMPARE(Label(box, "lbCompanyInfo")->text(), QString::fromUtf8(about_config::kTagLine));
        QCOMPARE(Label(box, "lblSalesInfo_0")->text(), QStringLiteral("Email: "));
        QCOMPARE(Label(box, "lblSalesInfo_1")->text(), QStringLiteral("Web: "));
        QCOMPARE(Label(box, "lblMathInfo_1")->text(),
                 QStringLiteral("Managing Director\nMobile: ") +
                     QString::fromUtf8(about_config::kMobile));
        QVERIFY(Label(box, "lblAddressInfo_1")->text().contains(QStringLiteral("\nPhone: ")));
        QCOMPARE(Label(box, "lblAddressInfo_0")->text(), QStringLiteral("Address:"));
        QCOMPARE(box.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(),
                 QStringLiteral("Close"));
    }

    void linksCarryTheirAddressesAndToolTips() {
        frmAboutMath box;
        const QString web = QString::fromUtf8(config::kDesignerWeb);
        const QString math = QString::fromUtf8(config::kDesignerEmail);
        QCOMPARE(Label(box, "lblWWW")->toolTip(), QStringLiteral(" ") + web + QStringLiteral(" "));
        QCOMPARE(Label(box, "lblMathLink")->text(), math);
        QCOMPARE(Label(box, "lblMathLink")->toolTip(),
                 QStringLiteral(" mailto: ") + math + QStringLiteral(" "));
        QCOMPARE(box.MathEmail(), math);
        QCOMPARE(Label(box, "lblSalesLink")->text(), QString::fromUtf8(about_config::kSalesEmail));
        for (const char* name : {"lblWWW", "lblMathLink", "lblSalesLink"}) {
            QCOMPARE(Label(box, name)->cursor().shape(), Qt::PointingHandCursor);
        }
    }

    void clicksOpenMailAndWebTargets() {
        testing::UrlRecorder urls;
        frmAboutMath box;
        box.show();
        QTest::mouseClick(Label(box, "lblSalesLink"), Qt::LeftButton);
        QTest::mouseClick(Label(box, "lblMathLink"), Qt::LeftButton);
        QTest::mouseClick(Label(box, "lblWWW"), Qt::LeftButton);
        QTest::mouseClick(Label(box, "lbCompanyInfo"), Qt::LeftButton);  // not a link
        QCOMPARE(urls.Urls().size(), std::size_t{3});
        QCOMPARE(urls.Urls()[0].toString(),
                 QStringLiteral("mailto:") + QString::fromUtf8(about_config::kSalesEmail));
        QCOMPARE(urls.Urls()[1].toString(),
                 QStringLiteral("mailto:") + QString::fromUtf8(config::kDesignerEmail));
        QCOMPARE(urls.Urls()[2].scheme(), QStringLiteral("https"));
        QCOMPARE(urls.Urls()[2].host(), QString::fromUtf8(config::kDesignerWeb));
    }

    void linkTargetsReadTheShellForms() {
        QCOMPARE(LinkTarget(QStringLiteral("mailto: a@b.example")).toString(),
                 QStringLiteral("mailto:a@b.example"));
        QCOMPARE(LinkTarget(QStringLiteral(" www.b.example ")).toString(),
                 QStringLiteral("https://www.b.example"));
        QCOMPARE(LinkTarget(QStringLiteral("http://b.example/x")).toString(),
                 QStringLiteral("http://b.example/x"));
    }

    void closeUnloadsTheBox() {
        QPointer<frmAboutMath> box = new frmAboutMath;
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        QVERIFY(box->isVisible());
        box->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QTRY_VERIFY(box.isNull());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "test_about.moc"
