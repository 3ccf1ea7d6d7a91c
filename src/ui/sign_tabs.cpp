#include "ui/sign_tabs.h"

#include "ui/named.h"
#include "ui/screen_fit.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>

#include <array>

namespace nyra {

enum class BoxKind { Line, Paragraph };

// Where each field of the description is shown. On the lucky tab the
// caption names the sign too ("Lucky Days for Mesha").
struct SignFieldRow {
    int tab;  // -1 for the upper fields
    const char* field;
    const char* caption;
    const char* toolTip;
    std::string SignDescription::*member;
    BoxKind kind;
};

namespace {

constexpr int kUpper = -1;
constexpr int kLuckyTab = SignTabs::kLuckyTab;
constexpr int kAboutTab = SignTabs::kAboutTab;

using D = SignDescription;
constexpr BoxKind kLine = BoxKind::Line;
constexpr BoxKind kParagraph = BoxKind::Paragraph;

// Tool tips are the program's own texts, trailing blanks included.
const auto kFieldRows = std::to_array<SignFieldRow>({
    {kUpper, "EnglishName", QT_TRANSLATE_NOOP("nyra::SignTabs", "English Name"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the English name for the Vedic moon sign."), &D::EnglishName,
     kLine},
    {kUpper, "RullingPlanet", QT_TRANSLATE_NOOP("nyra::SignTabs", "Rulling Planet"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the planet that exercises a powerful energy on the sign."),
     &D::RullingPlanet, kLine},
    {kUpper, "Symbol", QT_TRANSLATE_NOOP("nyra::SignTabs", "Symbol"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the picture associated with the moon sign."), &D::Symbol,
     kLine},
    {kUpper, "InbornNature", QT_TRANSLATE_NOOP("nyra::SignTabs", "Inborn Nature"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This describes the human characteristics of this sign."), &D::InbornNature,
     kLine},
    {kUpper, "SignColor", QT_TRANSLATE_NOOP("nyra::SignTabs", "Sign Color"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the color associated with the sign."), &D::SignColor, kLine},

    {0, "TypeOfSign", QT_TRANSLATE_NOOP("nyra::SignTabs", "Type Of Sign"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the attitude of the people under this sign."), &D::TypeOfSign,
     kLine},
    {0, "Gender", QT_TRANSLATE_NOOP("nyra::SignTabs", "Gender"),
     QT_TRANSLATE_NOOP("nyra::SignTabs",
                       "The male rashis are more dynamic in nature while the female rashis are passive by nature."),
     &D::Gender, kLine},
    {0, "Barren", QT_TRANSLATE_NOOP("nyra::SignTabs", "Barren / Fruitful"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This classifies the signs on basis of fertility."), &D::Barren, kLine},
    {0, "SignCaste", QT_TRANSLATE_NOOP("nyra::SignTabs", "Sign Caste"),
     QT_TRANSLATE_NOOP(
         "nyra::SignTabs",
         "This classifies the sign based on caste into Brahmana (the seeker and teacher of knowledge), Kshatriya "
         "(warriors, rulers), Vaisya (the industrialists, wealth creators) and the Sudras (the workers)."),
     &D::SignCaste, kLine},
    {0, "SignPosition", QT_TRANSLATE_NOOP("nyra::SignTabs", "Sign Position"),
     QT_TRANSLATE_NOOP(
         "nyra::SignTabs",
         "This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), Garbha (Inside)."),
     &D::SignPosition, kLine},
    {0, "ConstituentCharacter", QT_TRANSLATE_NOOP("nyra::SignTabs", "Constituent Character"),
     QT_TRANSLATE_NOOP("nyra::SignTabs",
                       "This classifies the sign based on constituent making into Dhatu (Mineral), Moola (Vegetable) "
                       "and Jeeva (Animal). "),
     &D::ConstituentCharacter, kLine},
    {0, "PartOfTheBody", QT_TRANSLATE_NOOP("nyra::SignTabs", "Part Of The Body"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This shows the parts of the bodies that the different signs represent."),
     &D::PartOfTheBody, kLine},

    {1, "Physique", QT_TRANSLATE_NOOP("nyra::SignTabs", "Physique"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the general stature of people born under this sign. "),
     &D::Physique, kLine},
    {1, "Looks", QT_TRANSLATE_NOOP("nyra::SignTabs", "Looks"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the physical appearance of people born under this sign."),
     &D::Looks, kParagraph},

    {2, "Nature", QT_TRANSLATE_NOOP("nyra::SignTabs", "Nature"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the human nature of people born under this sign. "),
     &D::Nature, kParagraph},

    {3, "CareerAndFinance", QT_TRANSLATE_NOOP("nyra::SignTabs", "Career And Finance"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This shows their career interests and financial habits."),
     &D::CareerAndFinance, kParagraph},

    {4, "LoveAndDomesticLife", QT_TRANSLATE_NOOP("nyra::SignTabs", "Love And Domestic Life"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies born under this sign."), &D::LoveAndDomesticLife, kParagraph},
    {4, "CompatibleWith", QT_TRANSLATE_NOOP("nyra::SignTabs", "Compatible With"),
     QT_TRANSLATE_NOOP("nyra::SignTabs",
                       "This signifies the other rashis/ moon signs that are compatible with this sign."),
     &D::CompatibleWith, kLine},
    {4, "NotCompatibleWith", QT_TRANSLATE_NOOP("nyra::SignTabs", "Not Compatible With"),
     QT_TRANSLATE_NOOP("nyra::SignTabs",
                       "This signifies the other rashis/ moon signs that are not compatible with this sign."),
     &D::NotCompatibleWith, kLine},

    {5, "Health", QT_TRANSLATE_NOOP("nyra::SignTabs", "Health"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the health issues of people born under this rashi."),
     &D::Health, kParagraph},

    {kLuckyTab, "LuckyDays", QT_TRANSLATE_NOOP("nyra::SignTabs", "Lucky Days"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the lucky days for people born under this sign."),
     &D::LuckyDays, kLine},
    {kLuckyTab, "LuckyNumbers", QT_TRANSLATE_NOOP("nyra::SignTabs", "Lucky Numbers"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the lucky numbers for people born under this sign."),
     &D::LuckyNumbers, kLine},
    {kLuckyTab, "BestDirection", QT_TRANSLATE_NOOP("nyra::SignTabs", "Best Direction"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the lucky directions for people born under this sign."),
     &D::BestDirection, kLine},
    {kLuckyTab, "LuckyColors", QT_TRANSLATE_NOOP("nyra::SignTabs", "Lucky Colors"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the lucky colors for people born under this sign."),
     &D::LuckyColors, kLine},
    {kLuckyTab, "LuckyGemstone", QT_TRANSLATE_NOOP("nyra::SignTabs", "Lucky Gemstone"),
     QT_TRANSLATE_NOOP("nyra::SignTabs", "This signifies the lucky gemstones for people born under this sign."),
     &D::LuckyGemstone, kLine},
    {kLuckyTab, "BestPeriodOfActivity", QT_TRANSLATE_NOOP("nyra::SignTabs", "Best Period Of Activity"),
     QT_TRANSLATE_NOOP("nyra::SignTabs",
                       "This shows the best period of the day when people of this sign are more active."),
     &D::BestPeriodOfActivity, kLine},
});
// With VedicName, shown as the window's heading, these are all the sign's texts.
static_assert(kFieldRows.size() + 1 == kSignFieldCount);

constexpr const char* kTabCaptions[] = {
    QT_TRANSLATE_NOOP("nyra::SignTabs", "Sign Characteristics"),
    QT_TRANSLATE_NOOP("nyra::SignTabs", "Physique And Looks"),
    QT_TRANSLATE_NOOP("nyra::SignTabs", "Human Nature"),
    QT_TRANSLATE_NOOP("nyra::SignTabs", "Career and Finance"),
    QT_TRANSLATE_NOOP("nyra::SignTabs", "Love And Compatibility"),
    QT_TRANSLATE_NOOP("nyra::SignTabs", "Health"),
    QT_TRANSLATE_NOOP("nyra::SignTabs", "Lucky for.... Rashi"),
    QT_TRANSLATE_NOOP("nyra::SignTabs", "About Software"),
};
static_assert(std::size(kTabCaptions) == kAboutTab + 1);

SignFieldView NewField(const SignFieldRow& row, QWidget* owner) {
    SignFieldView view;
    view.row = &row;
    view.label = Named(new QLabel(owner), QStringLiteral("lbl") + QLatin1String(row.field));
    const QString boxName = QStringLiteral("txt") + QLatin1String(row.field);
    QWidget* box = nullptr;
    if (row.kind == BoxKind::Paragraph) {
        view.paragraph = Named(new QPlainTextEdit(owner), boxName);
        view.paragraph->setReadOnly(true);
        view.paragraph->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view.paragraph->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box = view.paragraph;
    } else {
        view.line = Named(new QLineEdit(owner), boxName);
        view.line->setReadOnly(true);
        box = view.line;
    }
    // Screen readers name the box by its caption.
    view.label->setBuddy(box);
    return view;
}

QString Translated(const char* text) { return QCoreApplication::translate("nyra::SignTabs", text); }

// A lucky caption names the sign when there is one.
void SetCaption(const SignFieldView& view, const QString& signName = {}) {
    const QString caption = Translated(view.row->caption);
    view.label->setText(signName.isEmpty() ? caption : SignTabs::tr("%1 for %2").arg(caption, signName));
    view.label->setToolTip(Translated(view.row->toolTip));
}

void ShowField(const SignFieldView& view, const SignDescription& sign) {
    const QString text = QString::fromStdString(sign.*(view.row->member));
    if (view.paragraph) {
        view.paragraph->setPlainText(text);
    } else {
        view.line->setText(text);
        view.line->setCursorPosition(0);
    }
}

}  // namespace

SignFieldsPanel::SignFieldsPanel(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (const SignFieldRow& row : kFieldRows) {
        if (row.tab != kUpper) continue;
        const SignFieldView view = NewField(row, this);
        // Two label-and-box pairs a line.
        const int count = static_cast<int>(fields_.size());
        const int line = count / 2, column = (count % 2) * 2;
        grid->addWidget(view.label, line, column);
        grid->addWidget(view.line, line, column + 1);
        fields_.push_back(view);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void SignFieldsPanel::SetTexts() {
    for (const SignFieldView& view : fields_) SetCaption(view);
}

void SignFieldsPanel::Show(const SignDescription& sign) {
    for (const SignFieldView& view : fields_) ShowField(view, sign);
}

SignTabs::SignTabs(QWidget* aboutPage, QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("SST"));
    // The window opens wide enough for all eight captions where the screen
    // allows; on a narrower one the captions scroll rather than the window
    // reaching past the screen. Long pages scroll too, for short screens.
    setUsesScrollButtons(true);
    std::array<QWidget*, kAboutTab> pages{};
    std::array<QGridLayout*, kAboutTab> grids{};
    for (int tab = 0; tab < kAboutTab; ++tab) {
        pages[tab] = new QWidget;
        grids[tab] = new QGridLayout(pages[tab]);
    }
    for (const SignFieldRow& row : kFieldRows) {
        if (row.tab == kUpper) continue;
        QGridLayout* grid = grids[row.tab];
        const SignFieldView view = NewField(row, pages[row.tab]);
        const int line = grid->rowCount();
        if (view.paragraph) {
            grid->addWidget(view.label, line, 0, Qt::AlignTop);
            grid->addWidget(view.paragraph, line, 1);
            grid->setRowStretch(line, 1);
        } else {
            grid->addWidget(view.label, line, 0);
            grid->addWidget(view.line, line, 1);
        }
        fields_.push_back(view);
    }
    for (QGridLayout* grid : grids) {
        grid->setColumnStretch(1, 1);
        // Pages of single lines keep them at the top.
        bool hasParagraph = false;
        for (int r = 0; r < grid->rowCount(); ++r) hasParagraph = hasParagraph || grid->rowStretch(r) > 0;
        if (!hasParagraph) grid->setRowStretch(grid->rowCount(), 1);
    }
    for (QWidget* page : pages) addTab(NewScrollingPage(page, this), QString());
    addTab(NewScrollingPage(aboutPage, this), QString());
}

void SignTabs::SetTexts() {
    setAccessibleName(tr("Sign description"));
    for (int tab = 0; tab <= kAboutTab; ++tab) setTabText(tab, Translated(kTabCaptions[tab]));
    // The sign's name completes the lucky captions.
    if (!vedicName_.isEmpty()) setTabText(kLuckyTab, tr("Lucky for %1").arg(vedicName_));
    for (const SignFieldView& view : fields_) SetCaption(view, view.row->tab == kLuckyTab ? vedicName_ : QString());
    // Qt names its tab bar's scroll buttons, in its own words, only when it
    // makes them.
    for (const char* side : {"Left", "Right"}) {
        const QByteArray name = QByteArray("Scroll ") + side;
        if (auto* button = tabBar()->findChild<QWidget*>(QString::fromLatin1("Scroll%1Button").arg(side)))
            button->setAccessibleName(QCoreApplication::translate("QTabBar", name.constData()));
    }
}

void SignTabs::Show(const SignDescription& sign) {
    vedicName_ = QString::fromStdString(sign.VedicName);
    setCurrentIndex(0);
    for (const SignFieldView& view : fields_) ShowField(view, sign);
    SetTexts();
}

}  // namespace nyra
