#include "ui/frm_result.h"

#include "entry/translation_language.h"
#include "links/web_links.h"
#include "ui/birth_line.h"
#include "ui/calculation_settings.h"
#include "ui/clickable_label.h"
#include "ui/frm_main.h"
#include "ui/frm_save.h"
#include "ui/keyboard_access.h"
#include "ui/messages.h"
#include "ui/named.h"
#include "ui/notice_frame.h"
#include "ui/promotions.h"
#include "ui/result_blocks.h"
#include "ui/screen_fit.h"
#include "ui/screen_reader.h"
#include "ui/sign_pictures.h"
#include "ui/sign_tabs.h"
#include "ui/wrapping_label.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace nyra {
namespace {

constexpr int kAboutPictureSize = 96;
constexpr int kPreferredHeightPx = 600;
// Below this many free lines (a 1024 x 600 netbook's, a 1366 x 768 laptop's
// at 125 %) the notices fold.
constexpr int kRoomyScreenHeightPx = 640;

const char* const kAboutDescription =
    QT_TRANSLATE_NOOP("nyra::frmResult",
                      "Nyra Free Moon Sign is a moon sign software based on Vedic Astrology. This program tells us in "
                      "detail the characteristics and features of people born under a particular moon sign. This is "
                      "different from the sun sign calculated in western astrology. This helps you understand your "
                      "positive and negative traits, thus helping you improve your personality.");

const char* const kDiscussionInvitation =
    QT_TRANSLATE_NOOP("nyra::frmResult",
                      "Share your Moon sign and your questions with other readers on the Orrelin discussion board. "
                      "Click here to join in.");

QLabel* NewHeading(const QString& name, qreal scale, QWidget* parent) {
    auto* label = Named(new QLabel(parent), name);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

}  // namespace

frmResult::frmResult(Calculation calculation, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), calculation_(std::move(calculation)), dialogs_(dialogs) {
    setAttribute(Qt::WA_DeleteOnClose);
    CreateControls();
    CreateMenus();
    ArrangeControls();
    ConnectControls();
    SetTexts();
    ShowCalculation();
}

void frmResult::CreateControls() {
    UseProgramAccessibility();
    // Everything scrolls, but only on a screen too small for the window.
    auto* area = new FittingScrollArea(this);
    setCentralWidget(area);
    content_ = area->widget();

    birthLine = NewBirthLine(QStringLiteral("lblBirth"), content_);
    headline_ = new SignHeadline(content_);
    notices_ = new MoonNotices(content_);
    precise_ = new PreciseLine(content_);
    upperFields_ = new SignFieldsPanel(content_);
    timeWindowBlock = NewTimeWindowBlock(content_);
    signTabs = new SignTabs(CreateAboutPage(), content_);

    // Made in the order Tab visits them: the buttons under the tabs, then
    // the promotions below.
    backButton = Named(new QPushButton(content_), QStringLiteral("cmdBack"));
    saveButton = Named(new QPushButton(content_), QStringLiteral("cmdSave"));
    discussionLink = NewLinkLabel(QStringLiteral("Label61"), QString(), content_, LinkStyle::Promotion);
    cobrandInvitation = NewLinkLabel(QStringLiteral("Label1"), QString(), content_, LinkStyle::Promotion);
    fullBrandLink = NewLinkLabel(QStringLiteral("lblFullBrand"), QString(), content_, LinkStyle::Promotion);
}

QWidget* frmResult::CreateAboutPage() {
    auto* page = new QWidget;
    aboutPicture = Named(new QLabel(page), QStringLiteral("picAbout"));
    aboutPicture->setPixmap(PaintMoonPicture(kAboutPictureSize, devicePixelRatioF()));
    aboutPicture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    MarkDecorative(aboutPicture);
    productName = NewHeading(QStringLiteral("lblProductName"), 1.3, page);
    aboutDescription = Named(new WrappingLabel(page), QStringLiteral("lblDescription"));
    homePageLink = NewLinkLabel(QStringLiteral("lblHomePage"), QString(), page, LinkStyle::Link);
    fullBrandOffer = Named(new WrappingLabel(page), QStringLiteral("lblFullBrandOffer"));
    cobrandLink = NewLinkLabel(QStringLiteral("lblCoBrand"), QString(), page, LinkStyle::Link);

    auto* text = new QVBoxLayout;
    text->addWidget(productName);
    text->addWidget(aboutDescription);
    text->addWidget(homePageLink);
    text->addSpacing(10);
    text->addWidget(fullBrandOffer);
    text->addWidget(cobrandLink);
    text->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(aboutPicture, 0, Qt::AlignTop);
    layout->addSpacing(10);
    layout->addLayout(text, 1);
    return page;
}

void frmResult::CreateMenus() {
    fileMenu = Named(menuBar()->addMenu(QString()), QStringLiteral("mnuFile"));
    backItem = Named(fileMenu->addAction(QString()), QStringLiteral("mnuBack"));
    fileSeparator = Named(fileMenu->addSeparator(), QStringLiteral("mnuFile1"));
    saveItem = Named(fileMenu->addAction(QString()), QStringLiteral("mnuSave"));
    languageMenu_ = CreateLanguageMenu(menuBar());
    helpMenus_ = CreateHelpMenus(menuBar());
}

void frmResult::ArrangeControls() {
    headline_->AddBesideTheName(birthLine);
    QVBoxLayout* column = headline_->column();
    column->addWidget(notices_);
    column->addWidget(precise_);
    column->addSpacing(4);
    column->addWidget(upperFields_);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(backButton);
    commands->addWidget(saveButton);

    auto* outer = new QVBoxLayout(content_);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->setSpacing(8);
    outer->addWidget(headline_);
    outer->addWidget(timeWindowBlock);
    outer->addWidget(signTabs, 1);
    outer->addLayout(commands);
    outer->addWidget(ArrangePromotions());
}

QWidget* frmResult::ArrangePromotions() {
    auto* promotions = new QFrame(content_);
    promotions->setFrameShape(QFrame::StyledPanel);
    auto* discussion = Named(new QGroupBox(promotions), QStringLiteral("fraDiscussion"));
    discussionBox = discussion;
    discussion->setFlat(true);
    auto* discussionLayout = new QVBoxLayout(discussion);
    discussionLayout->setContentsMargins(0, 4, 0, 0);
    discussionLayout->addWidget(discussionLink);
    auto* row = new QHBoxLayout(promotions);
    row->setContentsMargins(10, 6, 10, 6);
    row->addWidget(discussion, 1, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(cobrandInvitation, 1, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(fullBrandLink, 1, Qt::AlignTop);
    return promotions;
}

void frmResult::ConnectControls() {
    connect(backButton, &QPushButton::clicked, this, &frmResult::Back);
    connect(backItem, &QAction::triggered, this, &frmResult::Back);
    connect(saveButton, &QPushButton::clicked, this, &frmResult::Save);
    connect(saveItem, &QAction::triggered, this, &frmResult::Save);
    connect(helpMenus_.aboutItem, &QAction::triggered, this, &frmResult::ShowAboutTab);
    ConnectHelpMenus(helpMenus_, this);
    ConnectLanguageMenu(languageMenu_, this, dialogs_);
    connect(precise_, &PreciseLine::ayanamsaChosen, this, &frmResult::ChooseAyanamsa);
    connect(homePageLink, &ClickableLabel::clicked, this, &OpenHomePage);
    connect(discussionLink, &ClickableLabel::clicked, this, &OpenHomePage);
    connect(cobrandLink, &ClickableLabel::clicked, this, &OpenFullyBrandedPage);
    connect(fullBrandLink, &ClickableLabel::clicked, this, &OpenFullyBrandedPage);
    connect(cobrandInvitation, &ClickableLabel::clicked, this, &OpenCoBrandPage);
    PressButtonsOnEnter(this);
}

void frmResult::SetTexts() {
    setWindowTitle(kWindowTitle);
    upperFields_->SetTexts();
    signTabs->SetTexts();
    precise_->SetTexts();
    productName->setText(kAppTitle);
    aboutDescription->setText(tr(kAboutDescription));
    homePageLink->setText(tr("Visit us at %1").arg(QUrl(ProductPageUrl()).host()));
    fullBrandOffer->setText(FullBrandOffer());
    cobrandLink->setText(MoreDetails());
    discussionLink->setText(tr(kDiscussionInvitation));
    discussionBox->setTitle(tr("Discussion Board"));
    cobrandInvitation->setText(CoBrandInvitation());
    fullBrandLink->setText(FullBrandOffer() + QLatin1Char(' ') + MoreDetails());
    backButton->setText(tr("&Back"));
    saveButton->setText(tr("&Save"));

    fileMenu->setTitle(tr("&File"));
    backItem->setText(tr("&Back"));
    saveItem->setText(tr("&Save"));
    SetLanguageMenuTexts(languageMenu_);
    SetHelpMenuTexts(helpMenus_);
}

void frmResult::ShowCalculation() {
    // The core words its own texts, in the language of the translation shown.
    const Language language = TranslationLanguage();
    const SignDescription sign = DescriptionIn(calculation_, language);
    birthLine->setText(BirthLineText(TitleOf(calculation_, sign, language)));
    headline_->Show(calculation_, sign, language);
    notices_->Show(calculation_, language);
    precise_->Show(calculation_, language);
    upperFields_->Show(sign);
    ShowTimeWindow(timeWindowBlock, calculation_, language);
    signTabs->Show(sign);
    FoldNoticesToScreen();
}

void frmResult::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        const int tab = signTabs->currentIndex();
        SetTexts();
        ShowCalculation();
        signTabs->setCurrentIndex(tab);
        SpeakNotices(false);
        RefitToTexts(this, WantedSize());
    }
    QMainWindow::changeEvent(event);
}

void frmResult::ChooseAyanamsa(Ayanamsa ayanamsa) {
    Result<Calculation> again = WithAyanamsa(calculation_, ayanamsa);
    if (!again) {
        dialogs_.Message(this, QString::fromStdString(again.problem().Text()), MessageIcon::Stop);
        precise_->Show(calculation_, TranslationLanguage());
        return;
    }
    RememberAyanamsa(ayanamsa, calculation_.basis.kind == BasisKind::Precise ? AyanamsaUse::Basis
                                                                             : AyanamsaUse::SecondOpinion);
    const bool sameSign = again->RashiName() == calculation_.RashiName();
    const int tab = signTabs->currentIndex();
    calculation_ = std::move(again).value();
    ShowCalculation();
    // The person stays on the page they were reading unless the sign changed.
    if (sameSign) signTabs->setCurrentIndex(tab);
    // A notice that appears while the window is open is read out then;
    // those of the opening are read out when it shows.
    SpeakNotices(isVisible());
}

std::vector<NoticeFrame*> frmResult::Notices() const {
    std::vector<NoticeFrame*> frames = notices_->frames();
    frames.insert(frames.begin(), precise_->notice());
    frames.push_back(timeWindowBlock);
    return frames;
}

void frmResult::FoldNoticesToScreen() {
    // On a netbook's few lines, two notices or more would leave the tabs a
    // sliver: each folds to a line, its details a click away.
    const std::vector<NoticeFrame*> frames = Notices();
    const auto shown = std::count_if(frames.begin(), frames.end(),
                                     [](const NoticeFrame* frame) { return !frame->text().isEmpty(); });
    const QScreen* where = screen();
    const bool small = where && where->availableGeometry().height() < kRoomyScreenHeightPx;
    for (NoticeFrame* frame : frames) frame->SetFolded(small && shown >= 2);
}

void frmResult::SpeakNotices(bool announce) {
    // The notices carry no focus, so a screen reader could pass them by:
    // each is named as a notice, the window's description repeats them
    // (read out with the window), and an alert reads out a new one at once.
    QStringList shown;
    for (NoticeFrame* frame : Notices()) {
        const bool on = frame->isVisibleTo(this);
        const QString said = frame->Spoken();
        frame->textLabel()->setAccessibleName(on && !said.isEmpty() ? tr("Notice: %1").arg(said) : QString());
        if (!on || said.isEmpty()) continue;
        shown.append(said);
        if (announce) {
            QAccessibleEvent alert(frame->textLabel(), QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
    }
    setAccessibleDescription(shown.join(u' '));
}

void frmResult::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous() || placed_) return;
    placed_ = true;
    // Over the main window whose calculation opened it; tall enough for the
    // long pages where the screen allows.
    SettleLayout(this);
    PlaceNewWindow(this, QApplication::activeWindow(), WantedSize());
    // The keyboard starts on the tabs, with its focus drawn: not on the
    // first box that takes focus, the ayanamsa list, where one key would
    // choose another ayanamsa unseen.
    setAttribute(Qt::WA_KeyboardFocusChange);
    signTabs->tabBar()->setFocus(Qt::TabFocusReason);
    SpeakNotices(true);
}

QSize frmResult::WantedSize() const {
    // Wide enough for all eight tab captions, which a tab widget with
    // scroll buttons does not ask for.
    const QMargins margins = content_->layout()->contentsMargins();
    const int paneFrame = signTabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, signTabs);
    const int tabsWidth = signTabs->tabBar()->sizeHint().width() + 2 * paneFrame + margins.left() + margins.right();
    const QSize wanted = sizeHint();
    return {std::max(wanted.width(), tabsWidth), std::max(wanted.height(), kPreferredHeightPx)};
}

void frmResult::Back() {
    auto* main = new frmMain(dialogs_);
    main->show();
    close();
}

void frmResult::Save() {
    frmSave report(calculation_, dialogs_, this);
    report.exec();
}

void frmResult::ShowAboutTab() { signTabs->setCurrentIndex(SignTabs::kAboutTab); }

}  // namespace nyra
