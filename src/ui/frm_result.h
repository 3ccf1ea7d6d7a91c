// The result window: one calculation shown whole. Above, the sign's picture
// and name with the Moon in detail, the notices of a birth close to a
// change, the precise second opinion and five fields of the sign; for a
// birth time known only roughly or not at all, every sign the Moon was in
// during that time; then eight tabs of description.
#pragma once

#include "calculation/calculation.h"
#include "ui/dialogs.h"
#include "ui/help_menus.h"
#include "ui/language_menu.h"

#include <QMainWindow>

#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace nyra {

class ClickableLabel;
class MoonNotices;
class NoticeFrame;
class PreciseLine;
class SignFieldsPanel;
class SignHeadline;
class SignTabs;

class frmResult : public QMainWindow {
    Q_OBJECT
public:
    // Shows `calculation`; the report, a saved record, the printed page and
    // the PDF are made from it too. Deletes itself when closed.
    explicit frmResult(Calculation calculation, Dialogs& dialogs = SystemDialogs(), QWidget* parent = nullptr);

    const Calculation& calculation() const { return calculation_; }
    Dialogs& dialogs() const { return dialogs_; }

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
    QWidget* CreateAboutPage();
    void CreateMenus();
    void ArrangeControls();
    QWidget* ArrangePromotions();
    void ConnectControls();
    void SetTexts();
    void ShowCalculation();
    // Its content's size, wide enough for every tab caption and tall
    // enough for the long pages.
    QSize WantedSize() const;
    // Another ayanamsa for the second opinion: remembered, and shown at once.
    void ChooseAyanamsa(Ayanamsa ayanamsa);
    // The notices: the second opinion's, a change near the birth (sign,
    // nakshatra), and the block of possible signs.
    std::vector<NoticeFrame*> Notices() const;
    void FoldNoticesToScreen();
    // Tells screen readers of the notices shown; with `announce`, reads
    // them out at once.
    void SpeakNotices(bool announce);

    Calculation calculation_;
    Dialogs& dialogs_;
    // Inside the central scroll area; every control below is in it.
    QWidget* content_ = nullptr;
    bool placed_ = false;  // sized and placed on its first showing

    // Whose result this is: the person, the birth and the place.
    QLabel* birthLine = nullptr;
    SignHeadline* headline_ = nullptr;
    MoonNotices* notices_ = nullptr;
    PreciseLine* precise_ = nullptr;
    SignFieldsPanel* upperFields_ = nullptr;
    NoticeFrame* timeWindowBlock = nullptr;
    SignTabs* signTabs = nullptr;

    QGroupBox* discussionBox = nullptr;
    QLabel* aboutPicture = nullptr;
    QLabel* productName = nullptr;
    QLabel* aboutDescription = nullptr;
    QLabel* fullBrandOffer = nullptr;
    ClickableLabel* homePageLink = nullptr;
    ClickableLabel* cobrandLink = nullptr;
    ClickableLabel* cobrandInvitation = nullptr;
    ClickableLabel* fullBrandLink = nullptr;
    ClickableLabel* discussionLink = nullptr;
    QPushButton* backButton = nullptr;
    QPushButton* saveButton = nullptr;

    QMenu* fileMenu = nullptr;
    QAction* backItem = nullptr;
    QAction* fileSeparator = nullptr;
    QAction* saveItem = nullptr;
    LanguageMenu languageMenu_;
    HelpMenus helpMenus_;
};

}  // namespace nyra
