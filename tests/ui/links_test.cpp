// Every menu item and link label that opens a web page, on every window
// that has them: one click, one page, the right one.
#include "links/web_links.h"
#include "ui_test_support.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nyra::test {
namespace {

struct LinkCase {
    const char* name;
    WindowIndex window;
    const char* trigger;  ///< A menu item's or a label's objectName.
    const char* page;
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class Link : public WindowTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(Link, OpensItsPage) {
    QWidget* window = Open(GetParam().window);
    // The about tab's links must be visible to be clicked.
    if (auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("SST"))) tabs->setCurrentIndex(tabs->count() - 1);
    UrlRecorder browser;
    if (auto* item = window->findChild<QAction*>(QString::fromLatin1(GetParam().trigger)))
        item->trigger();
    else
        QTest::mouseClick(Child<QLabel>(window, GetParam().trigger), Qt::LeftButton);
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0].toString().toStdString(),
              WebPageUrl(QString::fromLatin1(GetParam().page)).toString().toStdString());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EveryWindow, Link,
    ::testing::Values(LinkCase{"MainOnlineHelp", kMainWindow, "mnuOnline", "help-web-page"},
                      LinkCase{"MainVisitUs", kMainWindow, "mnuVisit", "home-page"},
                      LinkCase{"MainUpdate", kMainWindow, "mnuUpdate", "download-web-page"},
                      LinkCase{"MainDonate", kMainWindow, "mnuDonate", "donate"},
                      LinkCase{"MainCoBrand", kMainWindow, "lblCobrand", "co-brand"},
                      LinkCase{"MainFullBrand", kMainWindow, "lblFullBrand", "fully-branded"},
                      LinkCase{"ResultOnlineHelp", kResultWindow, "mnuOnline", "help-web-page"},
                      LinkCase{"ResultVisitUs", kResultWindow, "mnuVisit", "home-page"},
                      LinkCase{"ResultUpdate", kResultWindow, "mnuUpdate", "download-web-page"},
                      LinkCase{"ResultDonate", kResultWindow, "mnuDonate", "donate"},
                      LinkCase{"ResultHomePage", kResultWindow, "lblHomePage", "home-page"},
                      LinkCase{"ResultDiscussionBoard", kResultWindow, "Label61", "home-page"},
                      LinkCase{"ResultMoreDetailsIsFullyBranded", kResultWindow, "lblCoBrand", "fully-branded"},
                      LinkCase{"ResultFullBrand", kResultWindow, "lblFullBrand", "fully-branded"},
                      LinkCase{"ResultCoBrand", kResultWindow, "Label1", "co-brand"},
                      LinkCase{"ReportFullBrand", kReportWindow, "lblFullBrand", "fully-branded"},
                      LinkCase{"ReportCoBrand", kReportWindow, "lblCobrand", "co-brand"},
                      LinkCase{"ReportDiscussionBoard", kReportWindow, "Label14", "home-page"},
                      LinkCase{"ReportSite", kReportWindow, "Label3", "home-page"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra::test
