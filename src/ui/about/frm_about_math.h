// The about box: the mathematics designer's tag line, contact person, address, telephone
// numbers, e-mail addresses and web address. The e-mail and web entries are links handed to the
// desktop's mail client or browser (link_opener.h).
#pragma once

#include <QDialog>
#include <QLabel>
#include <QString>
#include <array>

class QFrame;
class QPushButton;

namespace kragmoor {

// A label that reads as a link: underlined, a hand cursor, and a signal on a left click.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class frmAboutMath : public QDialog {
    Q_OBJECT
  public:
    explicit frmAboutMath(QWidget* parent = nullptr);

  private slots:
    void lblSalesLink_Click();
    void lblMathLink_Click();
    void lblWWW_Click();
    void cmdOK_Click();

  private:
    void BuildControls();
    void BuildHeader();
    void BuildContacts();
    QLabel* Label(const char* name, QRect place);
    LinkLabel* Link(const char* name, QRect place);
    void Form_Load();

    QLabel* picIcon = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* lbCompanyInfo = nullptr;
    std::array<QLabel*, 2> lblSalesInfo{};
    LinkLabel* lblSalesLink = nullptr;
    LinkLabel* lblWWW = nullptr;
    LinkLabel* lblMathLink = nullptr;
    std::array<QLabel*, 2> lblMathInfo{};
    std::array<QLabel*, 2> lblAddressInfo{};
    QPushButton* cmdOK = nullptr;
    std::array<QFrame*, 2> Line1{};
    QString math_email_;
};

}  // namespace kragmoor
