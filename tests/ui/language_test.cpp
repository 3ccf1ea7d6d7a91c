// The windows in Hindi: the language a start opens in, the Language menu
// switching every open window at once, and every text the user reads, hears
// from a screen reader or sees in Qt's own buttons being in the language
// shown, with Western digits.
#include "engine/names.h"
#include "entry/translation_language.h"
#include "signs/rashi_information.h"
#include "ui/frm_result.h"
#include "ui/frm_save.h"
#include "ui/frm_time_zone.h"
#include "ui/language_choice.h"
#include "ui/place_completion.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QCollator>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace nyra::test {
namespace {

// Puts the language in place as the menu does, and lets every window hear
// of it.
void Use(Language language) {
    ASSERT_TRUE(UseLanguage(language));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

class LanguageTest : public WindowTest {
protected:
    void TearDown() override {
        WindowTest::TearDown();
        Use(Language::English);
    }
};

// ---- Which language a start opens in -----------------------------------------

struct StartCase {
    const char* name;
    const char* locale;
    const char* remembered;  ///< The menu's stored choice; "" for none.
    Language expected;
};
void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class StartingIn : public LanguageTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartingIn, FollowsTheChoiceElseTheLocale) {
    const StartCase& c = GetParam();
    if (*c.remembered) QSettings().setValue(QStringLiteral("ui/language"), QString::fromLatin1(c.remembered));
    EXPECT_EQ(StartingLanguage(QLocale(QString::fromLatin1(c.locale))), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Locales, StartingIn,
    ::testing::Values(StartCase{"HindiIndia", "hi_IN", "", Language::Hindi},
                      StartCase{"HindiAlone", "hi", "", Language::Hindi},
                      StartCase{"EnglishIndia", "en_IN", "", Language::English},
                      StartCase{"German", "de_DE", "", Language::English},
                      StartCase{"UrduIsNotHindi", "ur_PK", "", Language::English},
                      StartCase{"PosixC", "C", "", Language::English},
                      StartCase{"EnglishChosenOnAHindiDesktop", "hi_IN", "en", Language::English},
                      StartCase{"HindiChosenOnAnEnglishDesktop", "en_US", "hi", Language::Hindi},
                      StartCase{"UnknownChoiceLeavesItToTheLocale", "hi_IN", "xx", Language::Hindi}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Every text in the language shown ---------------------------------------

bool HasDevanagari(const QString& text) {
    for (const QChar c : text)
        if (c.script() == QChar::Script_Devanagari) return true;
    return false;
}

// Names that stay in Latin letters in every language.
const QStringList kNames = {QStringLiteral("Nyra Moon Sign"), QStringLiteral("Swiss Ephemeris"),
                            QStringLiteral("English")};

// A text reads as Hindi when it has Devanagari, or holds no English word:
// numbers, abbreviations ("IST", "UTC") and the names above aside.
bool ReadsAsHindi(QString text) {
    if (HasDevanagari(text)) return true;
    for (const QString& name : kNames) text.remove(name);
    static const QRegularExpression word(QStringLiteral("[A-Za-z][a-z]+"));
    return !word.match(text).hasMatch();
}

// Everything a window says: captions, values, list entries, menus, tool
// tips and what a screen reader is told, each with where it was found.
QList<std::pair<QString, QString>> TextsOf(const QWidget* window) {
    QList<std::pair<QString, QString>> texts;
    const auto add = [&texts](const QObject* where, const QString& text) {
        if (!text.trimmed().isEmpty())
            texts.append({where->objectName() + u'/' + where->metaObject()->className(), text});
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        add(w, w->toolTip());
        add(w, w->accessibleName());
        add(w, w->accessibleDescription());
        if (const auto* label = qobject_cast<const QLabel*>(w)) add(w, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) add(w, button->text());
        if (const auto* frame = qobject_cast<const QGroupBox*>(w)) add(w, frame->title());
        if (const auto* line = qobject_cast<const QLineEdit*>(w); line && line->isReadOnly()) add(w, line->text());
        if (const auto* paragraph = qobject_cast<const QPlainTextEdit*>(w)) add(w, paragraph->toPlainText());
        if (const auto* rich = qobject_cast<const QTextEdit*>(w))
            for (const QString& line : rich->toPlainText().split(u'\n')) add(w, line);
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i) add(w, tabs->tabText(i));
        if (const auto* list = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i) add(w, list->itemText(i));
        if (const auto* list = qobject_cast<const QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i) add(w, list->item(i)->text());
    }
    for (const QAction* action : window->findChildren<QAction*>()) {
        if (action->isSeparator() || !action->isVisible()) continue;
        add(action, action->text());
        if (action->menu()) add(action, action->menu()->title());
    }
    return texts;
}

// The five windows, and the result window of a time known within two hours,
// which adds its block above the tabs.
QList<QWidget*> OpenEveryWindow(Dialogs& dialogs) {
    QList<QWidget*> windows;
    for (const auto& kind : Windows()) windows.append(kind.open(dialogs));
    auto* uncertain = new frmResult(CalculationOf(NearAChange().birth, TimeWindow::PlusMinus(120)), dialogs);
    uncertain->show();
    windows.append(uncertain);
    return windows;
}

const QRegularExpression kDevanagariDigit(QStringLiteral("[\u0966-\u096F]"));

void ExpectHindi(const QList<QWidget*>& windows) {
    for (QWidget* window : windows) {
        const auto texts = TextsOf(window);
        EXPECT_GT(texts.size(), 5) << window->metaObject()->className();
        for (const auto& [where, text] : texts) {
            EXPECT_TRUE(ReadsAsHindi(text))
                << window->metaObject()->className() << " " << where.toStdString() << ": " << text.toStdString();
            EXPECT_FALSE(text.contains(kDevanagariDigit)) << where.toStdString() << ": " << text.toStdString();
        }
        // A name, not a word: the program's name stays in Latin letters.
        EXPECT_EQ(window->windowTitle().toStdString(), "Nyra Moon Sign v2.10");
    }
}

TEST_F(LanguageTest, EveryWindowSpeaksHindiWithWesternDigits) {
    Use(Language::Hindi);
    ExpectHindi(OpenEveryWindow(dialogs));
}

TEST_F(LanguageTest, EveryOpenWindowFollowsASwitchToHindi) {
    const QList<QWidget*> windows = OpenEveryWindow(dialogs);
    Use(Language::Hindi);
    ExpectHindi(windows);
}

TEST_F(LanguageTest, EnglishHasNoHindiButTheMenuItem) {
    for (QWidget* window : OpenEveryWindow(dialogs)) {
        for (const auto& [where, text] : TextsOf(window)) {
            if (text == QStringLiteral("हिन्दी")) continue;
            EXPECT_FALSE(HasDevanagari(text)) << where.toStdString() << ": " << text.toStdString();
        }
    }
}

// ---- Switching while the windows are open ------------------------------------

TEST_F(LanguageTest, TheMenuSwitchesTheMainWindowAtOnceAndIsRemembered) {
    QWidget* main = Open(kMainWindow);
    auto* month = Child<QComboBox>(main, "cboMonth");
    month->setCurrentIndex(3);
    emit main->findChild<PlaceCompletion*>()->placeChosen(*FindPlace(QStringLiteral("Chennai")));
    const auto item = [main](const char* name) { return Child<QAction>(main, name); };
    EXPECT_TRUE(item("mnuLanguage_en")->isChecked());
    EXPECT_EQ(item("mnuLanguage_hi")->text().toStdString(), "हिन्दी");

    item("mnuLanguage_hi")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(TranslationLanguage(), Language::Hindi);
    EXPECT_EQ(TextOf(main, "lblName"), "नाम");
    EXPECT_EQ(Child<QAbstractButton>(main, "cmdRashi")->text().toStdString(), "मेरी चन्द्र राशि बताएँ");
    // The month keeps its place; only its name changes.
    EXPECT_EQ(month->currentIndex(), 3);
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(month->itemText(m - 1).toStdString(), MonthName(m, Language::Hindi));
    // The picked place follows.
    EXPECT_EQ(Child<QLineEdit>(main, "txtMCity")->text().toStdString(), "चेन्नई");
    EXPECT_TRUE(item("mnuLanguage_hi")->isChecked());
    EXPECT_FALSE(item("mnuLanguage_en")->isChecked());
    EXPECT_EQ(QSettings().value(QStringLiteral("ui/language")).toString().toStdString(), "hi");

    item("mnuLanguage_en")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(TextOf(main, "lblName"), "Name");
    EXPECT_EQ(month->itemText(3).toStdString(), "April");
    EXPECT_EQ(Child<QLineEdit>(main, "txtMCountry")->text().toStdString(), "India");
    EXPECT_EQ(QSettings().value(QStringLiteral("ui/language")).toString().toStdString(), "en");
}

TEST_F(LanguageTest, TheZonePickerListsInTheLanguagesOwnOrder) {
    Use(Language::Hindi);
    frmTimeZone picker;
    picker.show();
    const auto* list = Child<QListWidget>(&picker, "lstTimeZone");
    QCollator order(QLocale(QStringLiteral("hi")));
    order.setCaseSensitivity(Qt::CaseInsensitive);
    for (int i = 1; i < list->count(); ++i)
        EXPECT_LE(order.compare(list->item(i - 1)->text(), list->item(i)->text()), 0) << i;
}

TEST_F(LanguageTest, TheResultWindowShowsTheSignsHindiTextsAndKeepsItsPage) {
    auto* result = new frmResult(ShowingSign("Thula"), dialogs);
    result->show();
    auto* tabs = Child<QTabWidget>(result, "SST");
    tabs->setCurrentIndex(2);
    const SignDescription hindi = *DescribeMoonSign("Thula", Language::Hindi);

    Use(Language::Hindi);
    EXPECT_EQ(TextOf(result, "lblVedicName"), hindi.VedicName);
    EXPECT_EQ(TextOf(result, "txtNature"), hindi.Nature);
    EXPECT_EQ(TextOf(result, "txtLuckyGemstone"), hindi.LuckyGemstone);
    EXPECT_EQ(tabs->tabText(6).toStdString(), "तुला के लिए शुभ");
    EXPECT_EQ(tabs->currentIndex(), 2);

    Use(Language::English);
    EXPECT_EQ(TextOf(result, "lblVedicName"), "Thula");
    EXPECT_EQ(TextOf(result, "txtNature"), Describe("Thula").Nature);
    EXPECT_EQ(tabs->tabText(6).toStdString(), "Lucky for Thula");
}

// Switched while open, the windows take the new words' widths: no list cut
// to the old language's, no tab behind scroll arrows. The modal report
// window has a Language menu of its own.
TEST_F(LanguageTest, SwitchedWindowsRefitAndTheReportSwitchesToo) {
    QWidget* main = Open(kMainWindow);
    auto* result = new frmResult(ShowingSign("Thula"), dialogs);
    result->show();
    Use(Language::Hindi);
    for (const QComboBox* list : main->findChildren<QComboBox*>()) {
        if (list->isVisible()) {
            EXPECT_GE(list->width(), list->sizeHint().width()) << list->objectName().toStdString();
        }
    }
    const QTabBar* tabs = Child<QTabWidget>(result, "SST")->tabBar();
    EXPECT_GE(tabs->width(), tabs->sizeHint().width());

    Use(Language::English);
    frmSave report(result->calculation(), dialogs, result);
    report.show();
    Child<QAction>(&report, "mnuLanguage_hi")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_TRUE(ReadsAsHindi(Child<QAbstractButton>(&report, "cmdPrint")->text()));
    EXPECT_TRUE(Child<QAction>(&report, "mnuLanguage_hi")->isChecked());
}

// ---- Qt's own words ------------------------------------------------------------

TEST_F(LanguageTest, QtsButtonsAndEditMenuInHindi) {
    Use(Language::Hindi);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Nyra Moon Sign"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    for (QAbstractButton* button : box.buttons())
        EXPECT_TRUE(HasDevanagari(button->text())) << button->text().toStdString();
    QLineEdit line;
    line.setText(QStringLiteral("x"));
    const std::unique_ptr<QMenu> menu(line.createStandardContextMenu());
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        EXPECT_TRUE(HasDevanagari(action->text())) << action->text().toStdString();
    }
}

}  // namespace
}  // namespace nyra::test
