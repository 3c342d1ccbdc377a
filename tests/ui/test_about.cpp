// The about box: its texts and the targets its links open.
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <vector>

#include "model/config.h"
#include "ui/about/about_config.h"
#include "ui/about/frm_about_math.h"
#include "ui/about/link_opener.h"

using namespace kragmoor;

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void textsAreFilledAtLoad() {
        frmAboutMath box;
        auto text = [&box](const char* name) {
            return box.findChild<QLabel*>(QString::fromLatin1(name))->text();
        };
        auto utf8 = [](const char* s) { return QString::fromUtf8(s); };
        using namespace about_config;
        QCOMPARE(box.windowTitle(), QStringLiteral("Quorvane Ltd."));
        QCOMPARE(text("lbCompanyInfo"), utf8(kTagLine));
        QCOMPARE(text("lblMathInfo_1"), utf8(kContactRole) + "\nMobile: " + utf8(kMobile));
        QCOMPARE(text("lblMathLink"), utf8(config::kDesignerEmail));
        QCOMPARE(text("lblAddressInfo_0"), QStringLiteral("Address:"));
        QCOMPARE(text("lblAddressInfo_1"),
                 utf8(kStreet) + "\n" + utf8(kPostcodeCityCountry) + "\nPhone: " + utf8(kPhone));
        QCOMPARE(text("lblSalesInfo_0"), QStringLiteral("Email: "));
        QCOMPARE(text("lblSalesLink"), utf8(kSalesEmail));
        QCOMPARE(text("lblSalesInfo_1"), QStringLiteral("Web: "));
        QCOMPARE(text("lblWWW"), utf8(config::kDesignerWeb));
        QCOMPARE(box.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(),
                 QStringLiteral("Close"));
    }

    void clicksOpenMailAndWebTargets() {
        std::vector<QUrl> urls;
        const UrlOpener previous = SetUrlOpener([&urls](const QUrl& url) { urls.push_back(url); });
        frmAboutMath box;
        box.show();
        for (const char* name : {"lblSalesLink", "lblMathLink", "lblWWW", "lbCompanyInfo"})
            QTest::mouseClick(box.findChild<QLabel*>(QString::fromLatin1(name)), Qt::LeftButton);
        SetUrlOpener(previous);
        // The company line is no link: three targets.
        QCOMPARE(urls.size(), std::size_t{3});
        QCOMPARE(urls[0].toString(),
                 QStringLiteral("mailto:") + QString::fromUtf8(about_config::kSalesEmail));
        QCOMPARE(urls[1].toString(),
                 QStringLiteral("mailto:") + QString::fromUtf8(config::kDesignerEmail));
        QCOMPARE(urls[2].scheme(), QStringLiteral("https"));
        QCOMPARE(urls[2].host(), QString::fromUtf8(config::kDesignerWeb));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "test_about.moc"
