#include "ui/about/frm_about_math.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

#include "model/config.h"
#include "ui/about/about_config.h"
#include "ui/about/link_opener.h"
#include "ui/about/quorvane_logo.h"

namespace kragmoor {
namespace {

constexpr int kWidth = 440;
constexpr int kHeight = 318;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 192));
    setPalette(pal);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

frmAboutMath::frmAboutMath(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAboutMath"));
    setWindowTitle(Text(config::kDesigner));
    setModal(false);
    setFixedSize(kWidth, kHeight);
    BuildControls();
    Form_Load();
}

QLabel* frmAboutMath::Label(const char* name, QRect place) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    return l;
}

LinkLabel* frmAboutMath::Link(const char* name, QRect place) {
    auto* l = new LinkLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    return l;
}

void frmAboutMath::BuildControls() {
    BuildHeader();
    BuildContacts();
    cmdOK = new QPushButton(QStringLiteral("Close"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(kWidth - 112, kHeight - 44, 100, 30);
    cmdOK->setDefault(true);

    connect(lblSalesLink, &LinkLabel::clicked, this, &frmAboutMath::lblSalesLink_Click);
    connect(lblMathLink, &LinkLabel::clicked, this, &frmAboutMath::lblMathLink_Click);
    connect(lblWWW, &LinkLabel::clicked, this, &frmAboutMath::lblWWW_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAboutMath::cmdOK_Click);
}

// The emblem, the banner, the tag line and the two rules that divide the box.
void frmAboutMath::BuildHeader() {
    picIcon = Label("picIcon", {12, 12, 72, 72});
    picIcon->setPixmap(QuorvaneEmblem(72));
    Picture1 = Label("Picture1", {96, 12, 332, 72});
    Picture1->setPixmap(QuorvaneBanner(QSize(332, 72), false));
    lbCompanyInfo = Label("lbCompanyInfo", {12, 92, 416, 22});
    QFont italic = lbCompanyInfo->font();
    italic.setItalic(true);
    lbCompanyInfo->setFont(italic);

    for (std::size_t i = 0; i < Line1.size(); ++i) {
        Line1[i] = new QFrame(this);
        Line1[i]->setObjectName(QStringLiteral("Line1_%1").arg(i));
        Line1[i]->setFrameShape(QFrame::HLine);
        Line1[i]->setFrameShadow(QFrame::Sunken);
    }
    Line1[0]->setGeometry(12, 118, 416, 4);
    Line1[1]->setGeometry(12, 214, 416, 4);
}

// The contact person and the address above the second rule, mail and web below it.
void frmAboutMath::BuildContacts() {
    lblMathInfo[0] = Label("lblMathInfo_0", {12, 128, 200, 20});
    QFont bold = lblMathInfo[0]->font();
    bold.setBold(true);
    lblMathInfo[0]->setFont(bold);
    lblMathInfo[1] = Label("lblMathInfo_1", {12, 148, 200, 36});
    lblMathLink = Link("lblMathLink", {12, 188, 200, 20});
    lblAddressInfo[0] = Label("lblAddressInfo_0", {224, 128, 204, 20});
    lblAddressInfo[0]->setText(QStringLiteral("Address:"));
    lblAddressInfo[0]->setFont(bold);
    lblAddressInfo[1] = Label("lblAddressInfo_1", {224, 148, 204, 60});
    lblAddressInfo[1]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSalesInfo[0] = Label("lblSalesInfo_0", {12, 226, 56, 20});
    lblSalesInfo[0]->setText(QStringLiteral("Email: "));
    lblSalesLink = Link("lblSalesLink", {68, 226, 240, 20});
    lblSalesInfo[1] = Label("lblSalesInfo_1", {12, 250, 56, 20});
    lblSalesInfo[1]->setText(QStringLiteral("Web: "));
    lblWWW = Link("lblWWW", {68, 250, 240, 20});
}

void frmAboutMath::Form_Load() {
    lbCompanyInfo->setText(Text(about_config::kTagLine));
    lblSalesLink->setText(Text(about_config::kSalesEmail));
    lblWWW->setText(Text(config::kDesignerWeb));
    lblWWW->setToolTip(QStringLiteral(" ") + Text(config::kDesignerWeb) + QStringLiteral(" "));
    math_email_ = Text(config::kDesignerEmail);
    lblMathLink->setText(math_email_);
    lblMathLink->setToolTip(QStringLiteral(" mailto: ") + math_email_ + QStringLiteral(" "));
    lblMathInfo[0]->setText(Text(about_config::kContactPerson));
    lblMathInfo[1]->setText(Text(about_config::kContactRole) + QStringLiteral("\nMobile: ") +
                            Text(about_config::kMobile));
    lblAddressInfo[1]->setText(Text(about_config::kStreet) + QStringLiteral("\n") +
                               Text(about_config::kPostcodeCityCountry) +
                               QStringLiteral("\nPhone: ") + Text(about_config::kPhone));
}

void frmAboutMath::lblSalesLink_Click() {
    OpenLink(QStringLiteral("mailto: ") + lblSalesLink->text());
}

void frmAboutMath::lblMathLink_Click() {
    OpenLink(QStringLiteral("mailto: ") + lblMathLink->text());
}

void frmAboutMath::lblWWW_Click() {
    OpenLink(lblWWW->toolTip().trimmed());
}

void frmAboutMath::cmdOK_Click() {
    close();
}

}  // namespace kragmoor
