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
    m.mnuHelp = Named(bar->addMenu(QString()), QStringLiteral("mnuHelp"));
    m.mnuOnline = Named(m.mnuHelp->addAction(QString()), QStringLiteral("mnuOnline"));
    m.mnuVisit = Named(m.mnuHelp->addAction(QString()), QStringLiteral("mnuVisit"));
    m.mnuHelp1 = Named(m.mnuHelp->addSeparator(), QStringLiteral("mnuHelp1"));
    m.mnuUpdate = Named(m.mnuHelp->addAction(QString()), QStringLiteral("mnuUpdate"));
    m.mnuHelp2 = Named(m.mnuHelp->addSeparator(), QStringLiteral("mnuHelp2"));
    m.mnuAbout = Named(m.mnuHelp->addAction(QString()), QStringLiteral("mnuAbout"));

    m.mnuDonate = Named(bar->addAction(QString()), QStringLiteral("mnuDonate"));
    // Never offered, so not shown at all, and kept off the menu bar: the bar
    // answers the access keys of its hidden items too, and Alt+O would then
    // take two presses to reach the main window's "&Open Previously Saved
    // Record".
    m.mnuMakeMoney = Named(new QAction(bar), QStringLiteral("mnuMakeMoney"));
    m.mnuMakeMoney->setEnabled(false);
    m.mnuMakeMoney->setVisible(false);
    return m;
}

void SetHelpMenuTexts(const HelpMenus& m) {
    m.mnuHelp->setTitle(QCoreApplication::translate("nyra::HelpMenus", "&Help"));
    m.mnuOnline->setText(QCoreApplication::translate("nyra::HelpMenus", "&Online Help"));
    m.mnuVisit->setText(QCoreApplication::translate("nyra::HelpMenus", "&Visit Us Online"));
    m.mnuUpdate->setText(QCoreApplication::translate("nyra::HelpMenus", "Check for Software &Update"));
    m.mnuAbout->setText(QCoreApplication::translate("nyra::HelpMenus", "&About Software"));
    m.mnuDonate->setText(QCoreApplication::translate("nyra::HelpMenus", "&Donate"));
    m.mnuMakeMoney->setText(QCoreApplication::translate("nyra::HelpMenus", "Make Money &Online"));
}

void ConnectHelpMenus(const HelpMenus& m, QObject* context) {
    QObject::connect(m.mnuOnline, &QAction::triggered, context, &OpenHelpPage);
    QObject::connect(m.mnuVisit, &QAction::triggered, context, &OpenHomePage);
    QObject::connect(m.mnuUpdate, &QAction::triggered, context, &OpenDownloadPage);
    QObject::connect(m.mnuDonate, &QAction::triggered, context, &OpenDonatePage);
}

} // namespace nyra
