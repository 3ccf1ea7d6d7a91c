#include "ui/help_menus.h"

#include "links/web_links.h"
#include "ui/named.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace nyra {

HelpMenus CreateHelpMenus(QMenuBar* bar) {
    HelpMenus m;
    m.helpMenu = Named(bar->addMenu(QString()), QStringLiteral("mnuHelp"));
    m.onlineItem = Named(m.helpMenu->addAction(QString()), QStringLiteral("mnuOnline"));
    m.visitItem = Named(m.helpMenu->addAction(QString()), QStringLiteral("mnuVisit"));
    m.helpSeparator1 = Named(m.helpMenu->addSeparator(), QStringLiteral("mnuHelp1"));
    m.updateItem = Named(m.helpMenu->addAction(QString()), QStringLiteral("mnuUpdate"));
    m.helpSeparator2 = Named(m.helpMenu->addSeparator(), QStringLiteral("mnuHelp2"));
    m.aboutItem = Named(m.helpMenu->addAction(QString()), QStringLiteral("mnuAbout"));

    m.donateItem = Named(bar->addAction(QString()), QStringLiteral("mnuDonate"));
    // Never offered, so not shown at all, and kept off the menu bar: the bar
    // answers the access keys of its hidden items too, and Alt+O would then
    // take two presses to reach the main window's "&Open Previously Saved
    // Record".
    m.makeMoneyItem = Named(new QAction(bar), QStringLiteral("mnuMakeMoney"));
    m.makeMoneyItem->setEnabled(false);
    m.makeMoneyItem->setVisible(false);
    return m;
}

void SetHelpMenuTexts(const HelpMenus& m) {
    m.helpMenu->setTitle(QCoreApplication::translate("nyra::HelpMenus", "&Help"));
    m.onlineItem->setText(QCoreApplication::translate("nyra::HelpMenus", "&Online Help"));
    m.visitItem->setText(QCoreApplication::translate("nyra::HelpMenus", "&Visit Us Online"));
    m.updateItem->setText(QCoreApplication::translate("nyra::HelpMenus", "Check for Software &Update"));
    m.aboutItem->setText(QCoreApplication::translate("nyra::HelpMenus", "&About Software"));
    m.donateItem->setText(QCoreApplication::translate("nyra::HelpMenus", "&Donate"));
    m.makeMoneyItem->setText(QCoreApplication::translate("nyra::HelpMenus", "Make Money &Online"));
}

void ConnectHelpMenus(const HelpMenus& m, QObject* context) {
    QObject::connect(m.onlineItem, &QAction::triggered, context, &OpenHelpPage);
    QObject::connect(m.visitItem, &QAction::triggered, context, &OpenHomePage);
    QObject::connect(m.updateItem, &QAction::triggered, context, &OpenDownloadPage);
    QObject::connect(m.donateItem, &QAction::triggered, context, &OpenDonatePage);
}

}  // namespace nyra
