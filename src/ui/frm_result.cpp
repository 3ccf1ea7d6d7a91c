#include "ui/frm_result.h"

#include "app/program_state.h"
#include "engine/moon_detail.h"
#include "engine/time_window.h"
#include "links/web_links.h"
#include "precise/precise_moon.h"
#include "ui/clickable_label.h"
#include "ui/frm_main.h"
#include "ui/frm_save.h"
#include "ui/keyboard_access.h"
#include "ui/messages.h"
#include "ui/named.h"
#include "ui/promotions.h"
#include "ui/screen_fit.h"
#include "ui/wrapping_label.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <string_view>

namespace nyra {

enum class BoxKind { Line, Paragraph };

// Where each field of the description is shown. The box is "txt" + field,
// its label "lbl" + field. On the lucky tab the caption is followed by
// " for " and the sign's Vedic name.
struct SignFieldRow {
    int tab;  // -1 for the upper part of the window
    const char* field;
    const char* caption;
    const char* toolTip;
    std::string SignDescription::*member;
    BoxKind kind;
};

namespace {

constexpr int kUpper = -1;
constexpr int kLuckyTab = 6;
constexpr int kAboutTab = 7;
constexpr int kSignPictureSize = 96;
constexpr int kAboutPictureSize = 96;
constexpr int kPreferredHeightPx = 600;

using D = SignDescription;
constexpr BoxKind kLine = BoxKind::Line;
constexpr BoxKind kParagraph = BoxKind::Paragraph;

// Tool tips are the program's own texts, trailing blanks included.
const auto kFieldRows = std::to_array<SignFieldRow>({
    {kUpper, "EnglishName", "English Name", "This signifies the English name for the Vedic moon sign.", &D::EnglishName, kLine},
    {kUpper, "RullingPlanet", "Rulling Planet", "This signifies the planet that exercises a powerful energy on the sign.", &D::RullingPlanet, kLine},
    {kUpper, "Symbol", "Symbol", "This signifies the picture associated with the moon sign.", &D::Symbol, kLine},
    {kUpper, "InbornNature", "Inborn Nature", "This describes the human characteristics of this sign.", &D::InbornNature, kLine},
    {kUpper, "SignColor", "Sign Color", "This signifies the color associated with the sign.", &D::SignColor, kLine},

    {0, "TypeOfSign", "Type Of Sign", "This signifies the attitude of the people under this sign.", &D::TypeOfSign, kLine},
    {0, "Gender", "Gender", "The male rashis are more dynamic in nature while the female rashis are passive by nature.", &D::Gender, kLine},
    {0, "Barren", "Barren / Fruitful", "This classifies the signs on basis of fertility.", &D::Barren, kLine},
    {0, "SignCaste", "Sign Caste", "This classifies the sign based on caste into Brahmana (the seeker and teacher of knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) and the Sudras (the workers).", &D::SignCaste, kLine},
    {0, "SignPosition", "Sign Position", "This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), Garbha (Inside).", &D::SignPosition, kLine},
    {0, "ConstituentCharacter", "Constituent Character", "This classifies the sign based on constituent making into Dhatu (Mineral), Moola (Vegetable) and Jeeva (Animal). ", &D::ConstituentCharacter, kLine},
    {0, "PartOfTheBody", "Part Of The Body", "This shows the parts of the bodies that the different signs represent.", &D::PartOfTheBody, kLine},

    {1, "Physique", "Physique", "This signifies the general stature of people born under this sign. ", &D::Physique, kLine},
    {1, "Looks", "Looks", "This signifies the physical appearance of people born under this sign.", &D::Looks, kParagraph},

    {2, "Nature", "Nature", "This signifies the human nature of people born under this sign. ", &D::Nature, kParagraph},

    {3, "CareerAndFinance", "Career And Finance", "This shows their career interests and financial habits.", &D::CareerAndFinance, kParagraph},

    {4, "LoveAndDomesticLife", "Love And Domestic Life", "This signifies born under this sign.", &D::LoveAndDomesticLife, kParagraph},
    {4, "CompatibleWith", "Compatible With", "This signifies the other rashis/ moon signs that are compatible with this sign.", &D::CompatibleWith, kLine},
    {4, "NotCompatibleWith", "Not Compatible With", "This signifies the other rashis/ moon signs that are not compatible with this sign.", &D::NotCompatibleWith, kLine},

    {5, "Health", "Health", "This signifies the health issues of people born under this rashi.", &D::Health, kParagraph},

    {kLuckyTab, "LuckyDays", "Lucky Days", "This signifies the lucky days for people born under this sign.", &D::LuckyDays, kLine},
    {kLuckyTab, "LuckyNumbers", "Lucky Numbers", "This signifies the lucky numbers for people born under this sign.", &D::LuckyNumbers, kLine},
    {kLuckyTab, "BestDirection", "Best Direction", "This signifies the lucky directions for people born under this sign.", &D::BestDirection, kLine},
    {kLuckyTab, "LuckyColors", "Lucky Colors", "This signifies the lucky colors for people born under this sign.", &D::LuckyColors, kLine},
    {kLuckyTab, "LuckyGemstone", "Lucky Gemstone", "This signifies the lucky gemstones for people born under this sign.", &D::LuckyGemstone, kLine},
    {kLuckyTab, "BestPeriodOfActivity", "Best Period Of Activity", "This shows the best period of the day when people of this sign are more active.", &D::BestPeriodOfActivity, kLine},
});
// With VedicName, shown in lblVedicName, these are all the sign's texts.
static_assert(kFieldRows.size() + 1 == kSignFieldCount);

constexpr const char* kTabCaptions[] = {
    "Sign Characteristics", "Physique And Looks", "Human Nature", "Career and Finance",
    "Love And Compatibility", "Health", "Lucky for.... Rashi", "About Software",
};
static_assert(std::size(kTabCaptions) == kAboutTab + 1);

const QString kAboutDescription = QStringLiteral(
    "Nyra Free Moon Sign is a moon sign software based on Vedic Astrology. This program tells us in "
    "detail the characteristics and features of people born under a particular moon sign. This is "
    "different from the sun sign calculated in western astrology. This helps you understand your "
    "positive and negative traits, thus helping you improve your personality.");

const QString kDiscussionInvitation = QStringLiteral(
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

// The engine's names are plain ASCII.
QLatin1String Latin(std::string_view text) { return QLatin1String(text.data(), static_cast<qsizetype>(text.size())); }

// A line of the Moon's details: selectable, so a position can be copied.
QLabel* NewDetail(const QString& name, QWidget* parent) {
    auto* label = Named(new QLabel(parent), name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The same for a sentence that wraps.
QLabel* NewWrappedDetail(const QString& name, QWidget* parent) {
    auto* label = Named(new WrappingLabel(parent), name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QFrame* NewSeparator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setForegroundRole(QPalette::Mid);
    return line;
}

// A warning box: the style's warning icon beside a wrapped text, both made
// here; the text label is returned, the box is its parent.
QLabel* NewNotice(const QString& frameName, const QString& labelName, int iconPx, qreal textScale, bool bold,
                  QWidget* parent) {
    auto* box = Named(new QFrame(parent), frameName);
    auto* icon = new QLabel(box);
    icon->setPixmap(box->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconPx, iconPx));
    icon->setAlignment(Qt::AlignTop);
    auto* text = Named(new WrappingLabel(box), labelName);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = text->font();
    font.setBold(bold);
    font.setPointSizeF(font.pointSizeF() * textScale);
    text->setFont(font);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(8, 5, 8, 5);
    row->setSpacing(8);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    return text;
}

// Amber in both themes, but the light one gets a pale box with dark text and
// the dark one a deep box with light text: either way the text keeps a
// contrast above 7:1 and the box stands apart from the window.
struct NoticeColours {
    const char* background;
    const char* border;
    const char* text;
};
constexpr NoticeColours kLightNotice{"#fff3cd", "#8a5a00", "#3d2a00"};
constexpr NoticeColours kDarkNotice{"#4a3500", "#e0a526", "#ffe8a8"};
// A birth time window inside one sign is good news, not a warning: the same
// contrasts in a quiet blue.
constexpr NoticeColours kLightCalmNotice{"#e7f1fb", "#2f6ea8", "#0d2a47"};
constexpr NoticeColours kDarkCalmNotice{"#12324f", "#6aa8e0", "#dcecff"};

// The ayanamsa chosen for the precise line, remembered between runs by its
// key ("lahiri", "kp", ...), as AyanamsaFromKey reads it.
const QString kAyanamsaSetting = QStringLiteral("precise/ayanamsa");

// A missing or unknown setting (an older or hand-edited file) means the
// default, never an error.
Ayanamsa RememberedAyanamsa() {
    const QString key = QSettings().value(kAyanamsaSetting).toString();
    return AyanamsaFromKey(key.toStdString()).value_or(kDefaultAyanamsa);
}

struct PreciseTexts {
    QString line;
    QString notice;  // empty when the two agree or nothing could be computed
    QString toolTip;
};

// The precise line, and the notice when the precise sign is not the one the
// window describes.
PreciseTexts DescribePrecise(const PreciseMoon& moon, const QString& programSign) {
    PreciseTexts texts;
    if (!moon.ok()) {
        texts.line = QStringLiteral("Precise position: not available \u2014 Swiss Ephemeris could not compute "
                                    "the Moon for this birth.");
        texts.toolTip = QStringLiteral("Swiss Ephemeris: ") + QString::fromStdString(moon.error);
        return texts;
    }
    const QString position = QString::fromStdString(DegreesInSignText(moon.siderealDeg));
    const QString sign = Latin(RashiNames[static_cast<std::size_t>(SignOfLongitude(moon.siderealDeg))].name);
    texts.line = QStringLiteral("Precise position: %1 in %2 (%3, %4)")
                     .arg(position, sign, Latin(EphemerisName(moon.ephemeris)),
                          Latin(InfoOf(moon.ayanamsa).displayName));
    if (sign == programSign) {
        texts.line += QStringLiteral(" \u2014 same sign.");
    } else {
        texts.notice = QStringLiteral("A precise ephemeris puts the Moon in %1 (%2). This program's traditional "
                                      "formula gives %3; the descriptions below are for %3.")
                           .arg(sign, position, programSign);
    }
    texts.toolTip =
        moon.ephemeris == EphemerisSource::Moshier
            ? QStringLiteral("No Swiss Ephemeris files were found in %1, so the library's built-in Moshier "
                             "ephemeris was used.")
                  .arg(Latin(kDefaultEphemerisFolder))
            : QStringLiteral("The Moon's apparent position from Swiss Ephemeris, in the sidereal zodiac of the "
                             "chosen ayanamsa.");
    return texts;
}

// "15 min", "1 hour", "2 hours", as the main window's "Time known" list
// words the widths it offers.
QString WindowWidthText(int minutes) {
    if (minutes % 60 != 0) return QStringLiteral("%1 min").arg(minutes);
    const int hours = minutes / 60;
    return hours == 1 ? QStringLiteral("1 hour") : QStringLiteral("%1 hours").arg(hours);
}

QString ClockText(int hour, int minute) {
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}

// Without a calculation (or with a description that did not come from it)
// nothing about the Moon may be shown: it would contradict the heading.
bool ChartIsOnShow() {
    const ProgramState& program = Program();
    return !program.chart.RashiName.empty() && program.chart.RashiName == program.description.VedicName;
}

QString NoticeStyleSheet(const QString& frameName, const NoticeColours& colours) {
    return QStringLiteral("QFrame#%1 { background-color: %2; border: 1px solid %3; border-radius: 4px; }"
                          " QFrame#%1 QLabel { background: transparent; border: none; color: %4; }")
        .arg(frameName, QLatin1String(colours.background), QLatin1String(colours.border),
             QLatin1String(colours.text));
}

} // namespace

frmResult::frmResult(QWidget* parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    IMG = SharedSignPictures(kSignPictureSize, devicePixelRatioF());
    CreateControls();
    CreateMenus();
    ArrangeControls();
    ConnectControls();
    SetTexts();
    ShowDescription();
    ShowMoonDetail();
    ShowTimeWindow();
}

void frmResult::CreateControls() {
    // Everything scrolls, but only on a screen too small for the window.
    auto* area = new FittingScrollArea(this);
    setCentralWidget(area);
    content_ = area->widget();
    QWidget* central = content_;

    lblVedicName = NewHeading(QStringLiteral("lblVedicName"), 1.8, central);
    CreateMoonDetail(central);
    picRashi = Named(new QLabel(central), QStringLiteral("picRashi"));
    picRashi->setFixedSize(kSignPictureSize, kSignPictureSize);
    picRashi->setAlignment(Qt::AlignCenter);
    upperFields_ = new QWidget(central);
    CreateTimeWindow(central);

    SST = Named(new QTabWidget(central), QStringLiteral("SST"));
    // The window opens wide enough for all eight captions where the screen
    // allows; on a narrower one the captions scroll rather than the window
    // reaching past the screen. Long pages scroll too, for short screens.
    SST->setUsesScrollButtons(true);
    for (int tab = 0; tab < kAboutTab; ++tab) tabPages_.push_back(new QWidget);

    for (const SignFieldRow& row : kFieldRows) {
        QWidget* owner = row.tab == kUpper ? upperFields_ : tabPages_[static_cast<std::size_t>(row.tab)];
        SignFieldView view;
        view.row = &row;
        view.label = Named(new QLabel(owner), QStringLiteral("lbl") + QLatin1String(row.field));
        const QString boxName = QStringLiteral("txt") + QLatin1String(row.field);
        if (row.kind == BoxKind::Paragraph) {
            view.paragraph = Named(new QPlainTextEdit(owner), boxName);
            view.paragraph->setReadOnly(true);
            view.paragraph->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            view.paragraph->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        } else {
            view.line = Named(new QLineEdit(owner), boxName);
            view.line->setReadOnly(true);
        }
        fields_.push_back(view);
    }
    tabPages_.push_back(CreateAboutTab());
    for (QWidget* page : tabPages_) SST->addTab(NewScrollingPage(page, SST), QString());

    Label61 = NewLinkLabel(QStringLiteral("Label61"), QString(), central, LinkStyle::Promotion);
    Label1 = NewLinkLabel(QStringLiteral("Label1"), QString(), central, LinkStyle::Promotion);
    lblFullBrand = NewLinkLabel(QStringLiteral("lblFullBrand"), QString(), central, LinkStyle::Promotion);
    cmdBack = Named(new QPushButton(central), QStringLiteral("cmdBack"));
    cmdSave = Named(new QPushButton(central), QStringLiteral("cmdSave"));
}

void frmResult::CreateMoonDetail(QWidget* parent) {
    moonDetail_ = new QWidget(parent);
    lblMoonPosition = NewDetail(QStringLiteral("lblMoonPosition"), moonDetail_);
    QFont lead = lblMoonPosition->font();
    lead.setBold(true);
    lblMoonPosition->setFont(lead);
    lblNakshatra = NewDetail(QStringLiteral("lblNakshatra"), moonDetail_);
    lblAyanamsa = NewDetail(QStringLiteral("lblAyanamsa"), moonDetail_);
    lblPrecise = NewDetail(QStringLiteral("lblPrecise"), moonDetail_);
    cboAyanamsa = Named(new QComboBox(moonDetail_), QStringLiteral("cboAyanamsa"));
    cboAyanamsa->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const AyanamsaInfo& info : Ayanamsas()) cboAyanamsa->addItem(QString(), Latin(info.key));
    lblPreciseNotice = NewNotice(QStringLiteral("fraPreciseNotice"), QStringLiteral("lblPreciseNotice"), 20, 1.0,
                                 true, moonDetail_);
    fraPreciseNotice = qobject_cast<QFrame*>(lblPreciseNotice->parentWidget());
    lblSignSpan = NewWrappedDetail(QStringLiteral("lblSignSpan"), moonDetail_);
    lblSignNotice = NewNotice(QStringLiteral("fraSignNotice"), QStringLiteral("lblSignNotice"), 20, 1.0, true,
                              moonDetail_);
    fraSignNotice = qobject_cast<QFrame*>(lblSignNotice->parentWidget());
    lblNakshatraNotice = NewNotice(QStringLiteral("fraNakshatraNotice"), QStringLiteral("lblNakshatraNotice"), 16,
                                   0.9, false, moonDetail_);
    fraNakshatraNotice = qobject_cast<QFrame*>(lblNakshatraNotice->parentWidget());
    ColourNotices();
}

void frmResult::CreateTimeWindow(QWidget* parent) {
    fraTimeWindow = Named(new QFrame(parent), QStringLiteral("fraTimeWindow"));
    picTimeWindow = Named(new QLabel(fraTimeWindow), QStringLiteral("picTimeWindow"));
    picTimeWindow->setAlignment(Qt::AlignTop);
    lblTimeWindowHeading = NewHeading(QStringLiteral("lblTimeWindowHeading"), 1.0, fraTimeWindow);
    lblTimeWindowHeading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblTimeWindow = NewWrappedDetail(QStringLiteral("lblTimeWindow"), fraTimeWindow);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(lblTimeWindowHeading);
    texts->addWidget(lblTimeWindow);
    auto* row = new QHBoxLayout(fraTimeWindow);
    row->setContentsMargins(8, 5, 8, 5);
    row->setSpacing(8);
    row->addWidget(picTimeWindow, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    fraTimeWindow->hide();
}

void frmResult::ColourNotices() {
    const QPalette& colours = palette();
    const bool dark = colours.color(QPalette::Window).lightness() < colours.color(QPalette::WindowText).lightness();
    const NoticeColours& notice = dark ? kDarkNotice : kLightNotice;
    fraSignNotice->setStyleSheet(NoticeStyleSheet(fraSignNotice->objectName(), notice));
    fraPreciseNotice->setStyleSheet(NoticeStyleSheet(fraPreciseNotice->objectName(), notice));
    fraNakshatraNotice->setStyleSheet(NoticeStyleSheet(fraNakshatraNotice->objectName(), notice));
    if (fraTimeWindow) {
        const NoticeColours& calm = dark ? kDarkCalmNotice : kLightCalmNotice;
        fraTimeWindow->setStyleSheet(
            NoticeStyleSheet(fraTimeWindow->objectName(), timeWindowCertain_ ? calm : notice));
    }
}

void frmResult::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && fraSignNotice) ColourNotices();
    QMainWindow::changeEvent(event);
}

QWidget* frmResult::CreateAboutTab() {
    auto* page = new QWidget;
    picAbout = Named(new QLabel(page), QStringLiteral("picAbout"));
    picAbout->setPixmap(PaintMoonPicture(kAboutPictureSize, devicePixelRatioF()));
    picAbout->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblProductName = NewHeading(QStringLiteral("lblProductName"), 1.3, page);
    lblDescription = Named(new WrappingLabel(page), QStringLiteral("lblDescription"));
    lblHomePage = NewLinkLabel(QStringLiteral("lblHomePage"), QString(), page, LinkStyle::Link);
    lblFullBrandOffer = Named(new WrappingLabel(page), QStringLiteral("lblFullBrandOffer"));
    lblCoBrand = NewLinkLabel(QStringLiteral("lblCoBrand"), QString(), page, LinkStyle::Link);
    return page;
}

void frmResult::CreateMenus() {
    mnuFile = Named(menuBar()->addMenu(QString()), QStringLiteral("mnuFile"));
    mnuBack = Named(mnuFile->addAction(QString()), QStringLiteral("mnuBack"));
    mnuFile1 = Named(mnuFile->addSeparator(), QStringLiteral("mnuFile1"));
    mnuSave = Named(mnuFile->addAction(QString()), QStringLiteral("mnuSave"));
    helpMenus_ = CreateHelpMenus(menuBar());
}

void frmResult::ArrangeControls() {
    ArrangeFields();
    ArrangeMoonDetail();
    ArrangeAboutTab();

    auto* heading = new QVBoxLayout;
    heading->addWidget(lblVedicName);
    heading->addWidget(moonDetail_);
    heading->addWidget(upperFields_);
    auto* upper = new QHBoxLayout;
    upper->addWidget(picRashi, 0, Qt::AlignTop);
    upper->addSpacing(10);
    upper->addLayout(heading, 1);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(cmdBack);
    commands->addWidget(cmdSave);

    auto* promotions = new QFrame(content_);
    promotions->setFrameShape(QFrame::StyledPanel);
    auto* discussion = Named(new QGroupBox(promotions), QStringLiteral("fraDiscussion"));
    discussion->setTitle(QStringLiteral("Discussion Board"));
    discussion->setFlat(true);
    auto* discussionLayout = new QVBoxLayout(discussion);
    discussionLayout->setContentsMargins(0, 4, 0, 0);
    discussionLayout->addWidget(Label61);
    auto* promotionRow = new QHBoxLayout(promotions);
    promotionRow->addWidget(discussion, 1, Qt::AlignTop);
    promotionRow->addSpacing(12);
    promotionRow->addWidget(Label1, 1, Qt::AlignTop);
    promotionRow->addSpacing(12);
    promotionRow->addWidget(lblFullBrand, 1, Qt::AlignTop);

    auto* outer = new QVBoxLayout(content_);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->setSpacing(10);
    outer->addLayout(upper);
    outer->addWidget(fraTimeWindow);
    outer->addWidget(SST, 1);
    outer->addLayout(commands);
    outer->addWidget(promotions);
}

void frmResult::ArrangeFields() {
    auto* upperGrid = new QGridLayout(upperFields_);
    upperGrid->setContentsMargins(0, 0, 0, 0);
    std::array<QGridLayout*, kAboutTab> tabGrids{};
    for (int tab = 0; tab < kAboutTab; ++tab) tabGrids[tab] = new QGridLayout(tabPages_[static_cast<std::size_t>(tab)]);

    int upperCount = 0;
    for (const SignFieldView& view : fields_) {
        QWidget* box = view.paragraph ? static_cast<QWidget*>(view.paragraph) : view.line;
        // Screen readers name the box by its caption.
        view.label->setBuddy(box);
        if (view.row->tab == kUpper) {
            // Two label-and-box pairs a line.
            const int line = upperCount / 2, column = (upperCount % 2) * 2;
            upperGrid->addWidget(view.label, line, column);
            upperGrid->addWidget(box, line, column + 1);
            ++upperCount;
        } else {
            QGridLayout* grid = tabGrids[view.row->tab];
            const int line = grid->rowCount();
            if (view.paragraph) {
                grid->addWidget(view.label, line, 0, Qt::AlignTop);
                grid->addWidget(box, line, 1);
                grid->setRowStretch(line, 1);
            } else {
                grid->addWidget(view.label, line, 0);
                grid->addWidget(box, line, 1);
            }
        }
    }
    upperGrid->setColumnStretch(1, 1);
    upperGrid->setColumnStretch(3, 1);
    for (QGridLayout* grid : tabGrids) {
        grid->setColumnStretch(1, 1);
        // Pages of single lines keep them at the top.
        bool hasParagraph = false;
        for (int r = 0; r < grid->rowCount(); ++r) hasParagraph = hasParagraph || grid->rowStretch(r) > 0;
        if (!hasParagraph) grid->setRowStretch(grid->rowCount(), 1);
    }
}

void frmResult::ArrangeMoonDetail() {
    auto* facts = new QHBoxLayout;
    facts->setSpacing(10);
    facts->addWidget(lblMoonPosition);
    facts->addWidget(NewSeparator(moonDetail_));
    facts->addWidget(lblNakshatra);
    facts->addWidget(NewSeparator(moonDetail_));
    facts->addWidget(lblAyanamsa);
    facts->addStretch();
    auto* precise = new QHBoxLayout;
    precise->setSpacing(8);
    precise->addWidget(lblPrecise);
    precise->addWidget(cboAyanamsa);
    precise->addStretch();
    auto* block = new QVBoxLayout(moonDetail_);
    block->setContentsMargins(0, 0, 0, 4);
    block->setSpacing(4);
    block->addLayout(facts);
    block->addLayout(precise);
    block->addWidget(fraPreciseNotice);
    block->addWidget(lblSignSpan);
    block->addWidget(fraSignNotice);
    block->addWidget(fraNakshatraNotice);
}

void frmResult::ArrangeAboutTab() {
    auto* text = new QVBoxLayout;
    text->addWidget(lblProductName);
    text->addWidget(lblDescription);
    text->addWidget(lblHomePage);
    text->addSpacing(10);
    text->addWidget(lblFullBrandOffer);
    text->addWidget(lblCoBrand);
    text->addStretch();
    auto* layout = new QHBoxLayout(tabPages_[kAboutTab]);
    layout->addWidget(picAbout, 0, Qt::AlignTop);
    layout->addSpacing(10);
    layout->addLayout(text, 1);
}

void frmResult::ConnectControls() {
    connect(cmdBack, &QPushButton::clicked, this, &frmResult::Back);
    connect(mnuBack, &QAction::triggered, this, &frmResult::Back);
    connect(cmdSave, &QPushButton::clicked, this, &frmResult::Save);
    connect(mnuSave, &QAction::triggered, this, &frmResult::Save);
    connect(helpMenus_.mnuAbout, &QAction::triggered, this, &frmResult::ShowAboutTab);
    ConnectHelpMenus(helpMenus_, this);
    connect(cboAyanamsa, &QComboBox::currentIndexChanged, this, &frmResult::ChooseAyanamsa);
    connect(lblHomePage, &ClickableLabel::clicked, this, &OpenHomePage);
    connect(Label61, &ClickableLabel::clicked, this, &OpenHomePage);
    connect(lblCoBrand, &ClickableLabel::clicked, this, &OpenFullyBrandedPage);
    connect(lblFullBrand, &ClickableLabel::clicked, this, &OpenFullyBrandedPage);
    connect(Label1, &ClickableLabel::clicked, this, &OpenCoBrandPage);
    PressButtonsOnEnter(this);
}

void frmResult::SetTexts() {
    setWindowTitle(kWindowTitle);
    // The sign's name and the lucky captions come with the description.
    for (const SignFieldView& view : fields_) {
        view.label->setText(QLatin1String(view.row->caption));
        view.label->setToolTip(QLatin1String(view.row->toolTip));
    }
    for (int tab = 0; tab <= kAboutTab; ++tab) SST->setTabText(tab, QLatin1String(kTabCaptions[tab]));

    lblProductName->setText(kAppTitle);
    lblDescription->setText(kAboutDescription);
    cboAyanamsa->setToolTip(QStringLiteral("Ayanamsa for the precise position"));
    // Qt on Linux names a list by its entry; the tool tip is its
    // description, which says what the list is for.
    cboAyanamsa->setAccessibleName(cboAyanamsa->toolTip());
    SST->setAccessibleName(QStringLiteral("Sign description"));
    for (int i = 0; i < cboAyanamsa->count(); ++i)
        cboAyanamsa->setItemText(i, Latin(Ayanamsas()[static_cast<std::size_t>(i)].displayName));
    lblHomePage->setText(QStringLiteral("Visit us at ") + QUrl(ProductPageUrl()).host());
    lblFullBrandOffer->setText(kFullBrandOffer);
    lblCoBrand->setText(kMoreDetails);
    Label61->setText(kDiscussionInvitation);
    Label1->setText(kCoBrandInvitation);
    lblFullBrand->setText(kFullBrandOffer + QLatin1Char(' ') + kMoreDetails);
    cmdBack->setText(QStringLiteral("&Back"));
    cmdSave->setText(QStringLiteral("&Save"));

    mnuFile->setTitle(QStringLiteral("&File"));
    mnuBack->setText(QStringLiteral("&Back"));
    mnuSave->setText(QStringLiteral("&Save"));
    SetHelpMenuTexts(helpMenus_);
}

void frmResult::ShowDescription() {
    const SignDescription& sign = Program().description;
    const QString vedicName = QString::fromStdString(sign.VedicName);
    SST->setCurrentIndex(0);
    lblVedicName->setText(vedicName);
    SST->setTabText(kLuckyTab, QStringLiteral("Lucky for ") + vedicName);
    for (const SignFieldView& view : fields_) {
        const QString text = QString::fromStdString(sign.*(view.row->member));
        if (view.paragraph) {
            view.paragraph->setPlainText(text);
        } else {
            view.line->setText(text);
            view.line->setCursorPosition(0);
        }
        if (view.row->tab == kLuckyTab)
            view.label->setText(QLatin1String(view.row->caption) + QStringLiteral(" for ") + vedicName);
    }
    // An unknown English name leaves the picture as it is.
    const QPixmap picture = FindPicture(IMG, QString::fromStdString(sign.EnglishName));
    if (!picture.isNull()) picRashi->setPixmap(picture);
    picRashi->setAccessibleName(QStringLiteral("Picture of ") + vedicName);
    picRashi->setAccessibleDescription(QString::fromStdString(sign.Symbol) + QStringLiteral(", symbol of ") +
                                       vedicName);
}

void frmResult::ShowMoonDetail() {
    const EngineRecord& chart = Program().chart;
    const bool belongs = ChartIsOnShow();
    moonDetail_->setVisible(belongs);
    if (!belongs) return;

    const Nakshatra nakshatra = NakshatraAt(chart.MoonLongitude);
    const Span sign = FindSignSpan(chart);
    const Span mansion = FindNakshatraSpan(chart);
    lblMoonPosition->setText(QStringLiteral("Moon at ") + QString::fromStdString(PositionInSignText(chart)));
    lblNakshatra->setText(QStringLiteral("Nakshatra %1, pada %2 (lord %3)")
                              .arg(Latin(nakshatra.name))
                              .arg(nakshatra.pada)
                              .arg(Latin(nakshatra.lord)));
    lblAyanamsa->setText(QStringLiteral("Ayanamsa: ") + Latin(kAyanamsaName) + QLatin1Char(' ') +
                         QString::fromStdString(AyanamsaText(chart)));
    lblSignSpan->setText(QString::fromStdString(SignSpanSentence(sign)));

    const QString signNotice = QString::fromStdString(SignChangeNotice(sign));
    lblSignNotice->setText(signNotice);
    lblSignNotice->setVisible(!signNotice.isEmpty());
    fraSignNotice->setVisible(!signNotice.isEmpty());
    const QString mansionNotice = QString::fromStdString(NakshatraChangeNotice(mansion));
    lblNakshatraNotice->setText(mansionNotice);
    lblNakshatraNotice->setVisible(!mansionNotice.isEmpty());
    fraNakshatraNotice->setVisible(!mansionNotice.isEmpty());

    chartJulianDayUt_ = ChartJulianDayUt(chart);
    chartRashiName_ = QString::fromStdString(chart.RashiName);
    {
        // Restoring the remembered choice is not a new choice to store.
        const QSignalBlocker quiet(cboAyanamsa);
        cboAyanamsa->setCurrentIndex(cboAyanamsa->findData(Latin(InfoOf(RememberedAyanamsa()).key)));
    }
    ShowPrecisePosition();
}

void frmResult::ShowTimeWindow() {
    const ProgramState& program = Program();
    const TimeWindow& window = program.timeWindow;
    // An exact time leaves the window as it has always been.
    const bool exact = !window.wholeDay && window.minutes <= 0;
    if (exact || !ChartIsOnShow()) {
        fraTimeWindow->hide();
        return;
    }
    const WindowResult signs = SignsInWindow(program.chart, window);
    const QString entered = ClockText(program.birth.BirthHour, program.birth.BirthMinute);
    QString text = QString::fromStdString(TimeWindowSentence(signs));
    // The tabs follow the sign at the time entered, which is one of those
    // listed: the person must know which of them they are reading about.
    if (!signs.certain) {
        text += QStringLiteral("\nThe descriptions below are for %1, the Moon sign at the time entered, %2.")
                    .arg(QString::fromStdString(program.chart.RashiName), entered);
    }
    lblTimeWindowHeading->setText(window.wholeDay ? QStringLiteral("Time not known: the whole day of birth")
                                                  : QStringLiteral("Time known within %1 of %2")
                                                        .arg(WindowWidthText(signs.window.minutes), entered));
    lblTimeWindow->setText(text);
    const QStyle::StandardPixmap icon = signs.certain ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxWarning;
    picTimeWindow->setPixmap(style()->standardIcon(icon).pixmap(20, 20));
    timeWindowCertain_ = signs.certain;
    ColourNotices();
    fraTimeWindow->show();
}

void frmResult::ShowPrecisePosition() {
    const Ayanamsa ayanamsa =
        AyanamsaFromKey(cboAyanamsa->currentData().toString().toStdString()).value_or(kDefaultAyanamsa);
    const PreciseTexts texts = DescribePrecise(PreciseMoonAt(chartJulianDayUt_, ayanamsa), chartRashiName_);
    lblPrecise->setText(texts.line);
    lblPrecise->setToolTip(texts.toolTip);
    lblPreciseNotice->setText(texts.notice);
    fraPreciseNotice->setVisible(!texts.notice.isEmpty());
    // A notice that appears while the window is open (another ayanamsa) is
    // read out then; those of the opening are read out when it shows.
    SpeakNotices(isVisible());
}

void frmResult::SpeakNotices(bool announce) {
    // The notices carry no focus, so a screen reader could pass them by:
    // each is named as a notice, the window's description repeats them
    // (read out with the window), and an alert reads out a new one at once.
    QStringList shown;
    for (QFrame* frame : {fraPreciseNotice, fraSignNotice, fraNakshatraNotice, fraTimeWindow}) {
        // Its texts (a heading, then the notice), the icon having none.
        QStringList texts;
        QLabel* notice = nullptr;
        for (QLabel* label : frame->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            texts.append(label->text());
            notice = label;
        }
        if (!notice) continue;
        const bool on = frame->isVisibleTo(this);
        const QString said = texts.join(QStringLiteral(". "));
        notice->setAccessibleName(on ? QStringLiteral("Notice: ") + said : QString());
        if (!on) continue;
        shown.append(said);
        if (announce) {
            QAccessibleEvent alert(notice, QAccessible::Alert);
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
    // Wide enough for all eight tab captions, which a tab widget with
    // scroll buttons does not ask for.
    const QMargins margins = content_->layout()->contentsMargins();
    const int paneFrame = SST->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, SST);
    const int tabsWidth = SST->tabBar()->sizeHint().width() + 2 * paneFrame + margins.left() + margins.right();
    const QSize wanted = sizeHint();
    PlaceNewWindow(this, QApplication::activeWindow(),
                   QSize(std::max(wanted.width(), tabsWidth), std::max(wanted.height(), kPreferredHeightPx)));
    SpeakNotices(true);
}

void frmResult::ChooseAyanamsa(int index) {
    QSettings().setValue(kAyanamsaSetting, cboAyanamsa->itemData(index).toString());
    ShowPrecisePosition();
}

void frmResult::Back() {
    auto* main = new frmMain;
    main->show();
    close();
}

void frmResult::Save() {
    frmSave report(this);
    report.exec();
}

void frmResult::ShowAboutTab() { SST->setCurrentIndex(kAboutTab); }

} // namespace nyra
