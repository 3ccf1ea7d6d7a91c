// The about box: the program's title, what it does, and links to the
// product's web pages.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace nyra {

class ClickableLabel;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    void ArrangeControls();
    void ConnectControls();
    void SetTexts();

    QLabel* Picture1 = nullptr;
    QLabel* productHeading = nullptr;      // heading
    QLabel* productDescription = nullptr;  // description
    QFrame* Line1 = nullptr;
    QLabel* promotionText = nullptr;  // promotion, not a link
    ClickableLabel* cobrandLink = nullptr;
    ClickableLabel* homePageLink = nullptr;
    QLabel* dataSources = nullptr;
    QLabel* ephemerisCredit = nullptr;
    QPushButton* okButton = nullptr;
};

}  // namespace nyra
