// The Help menu and the top-level Donate and Make Money items that the main
// and the result window share (Make Money is never shown). "&About Software" is in the Help menu of both
// but does different things (the main window opens the about box, the result
// window its About tab), so each window connects that item itself.
#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace nyra {

struct HelpMenus {
    QMenu* helpMenu = nullptr;
    QAction* onlineItem = nullptr;
    QAction* visitItem = nullptr;
    QAction* helpSeparator1 = nullptr;  // separator
    QAction* updateItem = nullptr;
    QAction* helpSeparator2 = nullptr;  // separator
    QAction* aboutItem = nullptr;
    QAction* donateItem = nullptr;
    QAction* makeMoneyItem = nullptr;  // never available, nor on the menu bar
};

// The window's steps for these menus: made at the end of `bar`, named as
// the items of both windows are; then their texts; then every item but
// About connected to its web page.
HelpMenus CreateHelpMenus(QMenuBar* bar);
void SetHelpMenuTexts(const HelpMenus& menus);
void ConnectHelpMenus(const HelpMenus& menus, QObject* context);

}  // namespace nyra
