// The result window: the computed Moon sign's picture and all its texts, on
// an upper part and eight tabs; under the sign's name, the Moon in detail
// (position, nakshatra, ayanamsa, a precise second opinion on the position
// for a chosen ayanamsa, the sign's span and a notice for a birth close to a
// change); above the tabs, for a birth time known only roughly or not at
// all, every sign the Moon was in during that time.
#pragma once

#include "ui/help_menus.h"
#include "ui/sign_pictures.h"

#include <QMainWindow>
#include <QString>

#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QMenu;
class QPushButton;
class QTabWidget;

namespace nyra {

class ClickableLabel;
struct SignFieldRow;

// One shown field of the sign description: its row of the field table, the
// caption label and the read-only box (one of the two kinds).
struct SignFieldView {
    const SignFieldRow* row = nullptr;
    QLabel* label = nullptr;
    QLineEdit* line = nullptr;
    QPlainTextEdit* paragraph = nullptr;
};

class frmResult : public QMainWindow {
    Q_OBJECT
public:
    // Shows the program's current sign description and chart as they are at
    // creation. Deletes itself when closed.
    explicit frmResult(QWidget* parent = nullptr);

public slots:
    // A fresh main window, then this one closes.
    void Back();
    // The report window, modal over this one.
    void Save();
    void ShowAboutTab();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void CreateMoonDetail(QWidget* parent);
    void CreateTimeWindow(QWidget* parent);
    QWidget* CreateAboutTab();
    void CreateMenus();
    void ArrangeControls();
    void ArrangeFields();
    void ArrangeMoonDetail();
    void ArrangeAboutTab();
    void ConnectControls();
    void SetTexts();
    void ShowDescription();
    void ShowMoonDetail();
    void ShowTimeWindow();
    void ShowPrecisePosition();
    // The ayanamsa chooser's handler: remembers the choice, then redoes the
    // precise line.
    void ChooseAyanamsa(int index);
    void ColourNotices();
    // Tells screen readers of the notices shown; with `announce`, reads
    // them out at once.
    void SpeakNotices(bool announce);

    // Inside the central scroll area; every control below is in it.
    QWidget* content_ = nullptr;
    bool placed_ = false;  // sized and placed on its first showing
    // The tabs' pages, each inside a scroll area of the tab widget.
    std::vector<QWidget*> tabPages_;

    QLabel* lblVedicName = nullptr;
    QWidget* moonDetail_ = nullptr;
    QLabel* lblMoonPosition = nullptr;
    QLabel* lblNakshatra = nullptr;
    QLabel* lblAyanamsa = nullptr;
    QLabel* lblPrecise = nullptr;
    QComboBox* cboAyanamsa = nullptr;
    QFrame* fraPreciseNotice = nullptr;
    QLabel* lblPreciseNotice = nullptr;
    QLabel* lblSignSpan = nullptr;
    // The chart's instant and sign, kept for redoing the precise line when
    // another ayanamsa is chosen.
    double chartJulianDayUt_ = 0;
    QString chartRashiName_;
    QFrame* fraSignNotice = nullptr;
    QLabel* lblSignNotice = nullptr;
    QFrame* fraNakshatraNotice = nullptr;
    QLabel* lblNakshatraNotice = nullptr;
    // Shown only for a birth time that is not exact.
    QFrame* fraTimeWindow = nullptr;
    QLabel* picTimeWindow = nullptr;
    QLabel* lblTimeWindowHeading = nullptr;
    QLabel* lblTimeWindow = nullptr;
    bool timeWindowCertain_ = true;  // Chooses the block's icon and colours.
    QLabel* picRashi = nullptr;
    QTabWidget* SST = nullptr;
    QWidget* upperFields_ = nullptr;
    std::vector<SignFieldView> fields_;
    QLabel* picAbout = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblFullBrandOffer = nullptr;

    ClickableLabel* lblHomePage = nullptr;
    ClickableLabel* lblCoBrand = nullptr;
    ClickableLabel* Label1 = nullptr;
    ClickableLabel* lblFullBrand = nullptr;
    ClickableLabel* Label61 = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdSave = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuBack = nullptr;
    QAction* mnuFile1 = nullptr;
    QAction* mnuSave = nullptr;
    HelpMenus helpMenus_;

    // The image list: one picture per sign, under its English name.
    std::vector<KeyedPicture> IMG;
};

} // namespace nyra
