#include "ui/frm_about.h"

#include "links/web_links.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <string>

namespace nyra::test {
namespace {

class AboutBox : public OneWindowTest<frmAbout> {
protected:
    void SetUp() override { Show(new frmAbout); }

    // The addresses opened by one click on the named label.
    QList<QUrl> Click(const char* name) {
        UrlRecorder browser;
        if (auto* label = Child<QLabel>(name)) QTest::mouseClick(label, Qt::LeftButton);
        return browser.opened;
    }

    static std::string PageKey(const QUrl& url) {
        return QUrlQuery(url).queryItemValue(QStringLiteral("page")).toStdString();
    }
    static std::string PageAddress(const char* key) {
        return (ProductPageUrl() + QStringLiteral("?page=") + QString::fromLatin1(key)).toStdString();
    }
};

TEST_F(AboutBox, TitleAndHeading) {
    EXPECT_EQ(window->windowTitle().toStdString(), "Nyra Moon Sign v2.10");
    EXPECT_EQ(Text("Label2"), "Nyra Moon Sign v2.10");
    const QFont heading = Child("Label2")->font();
    EXPECT_EQ(heading.family().toStdString(), "Verdana");
    EXPECT_DOUBLE_EQ(heading.pointSizeF(), 9.75);
    EXPECT_TRUE(heading.bold());
}

TEST_F(AboutBox, DescriptionAndPromotionTexts) {
    EXPECT_EQ(Text("Label1"),
              "Nyra Moon Sign is a moon sign software based on Vedic Astrology. This program tells us "
              "in detail the characteristics and features of people born under a particular moon sign. "
              "This is different from the sun sign calculated in western astrology. This helps you "
              "understand your positive and negative traits, thus helping you improve your personality.");
    EXPECT_EQ(Text("Label3"),
              "Home Business Opportunity. Start your own Internet business and make money online. "
              "Get this software fully branded for your website.");
    EXPECT_EQ(Text("lblCoBrand"), "Click here for more details.");
    EXPECT_EQ(Text("lblDataSources"),
              "Place data: GeoNames (geonames.org), CC BY 4.0; time zones: the IANA tz database.");
    // The ephemeris library's licence asks for its name and terms wherever
    // it is used (its text is in captions_test.cpp).
    EXPECT_TRUE(Child("lblEphemerisCredit")->isVisibleTo(window.data()));
}

TEST_F(AboutBox, HomePageCaptionNamesTheSitesAddress) {
    const QString host = QUrl(ProductPageUrl()).host();
    ASSERT_FALSE(host.isEmpty());
    EXPECT_EQ(Text("lblHomePage"), "Visit us at " + host.toStdString());
}

TEST_F(AboutBox, HomePageLabelOpensTheHomePage) {
    const QList<QUrl> opened = Click("lblHomePage");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front().toString().toStdString(), PageAddress("home-page"));
    EXPECT_EQ(PageKey(opened.front()), "home-page");
}

TEST_F(AboutBox, MoreDetailsOpensFullyBrandedNotCoBrand) {
    const QList<QUrl> opened = Click("lblCoBrand");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front().toString().toStdString(), PageAddress("fully-branded"));
    EXPECT_EQ(PageKey(opened.front()), "fully-branded");
}

TEST_F(AboutBox, PromotionTextItselfIsNoLink) {
    EXPECT_TRUE(Click("Label3").isEmpty());
    EXPECT_TRUE(Click("Label1").isEmpty());
}

TEST_F(AboutBox, OkCloses) {
    auto* ok = Child<QPushButton>("cmdOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text().toStdString(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(AboutBox, EnterOnOpeningClosesWithoutOpeningAPage) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.data()));
    UrlRecorder browser;
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->objectName().toStdString(), "cmdOK");
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(browser.opened.isEmpty());
}

}  // namespace
}  // namespace nyra::test
