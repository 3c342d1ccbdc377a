// The about box: the targets its links open.
#include <QLabel>
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
