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

    // The window's event handlers, public so tests can raise the events.
    void lblHomePage_Click();
    void lblCoBrand_Click();
    void cmdOK_Click();

private:
    void createControls();
    void layOutControls();
    void connectControls();
    void setTexts();

    QLabel* Picture1 = nullptr;
    QLabel* Label2 = nullptr;  // heading
    QLabel* Label1 = nullptr;  // description
    QFrame* Line1 = nullptr;
    QLabel* Label3 = nullptr;  // promotion, not a link
    ClickableLabel* lblCoBrand = nullptr;
    ClickableLabel* lblHomePage = nullptr;
    QLabel* lblDataSources = nullptr;
    QLabel* lblEphemerisCredit = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace nyra
