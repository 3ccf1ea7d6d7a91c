// Windows that fit small screens and large scales: contents that scroll
// rather than push a window past the screen's edge, and new windows sized
// and placed wholly on the screen.
#pragma once

#include <QMargins>
#include <QRect>
#include <QScrollArea>

class QMainWindow;

namespace nyra {

// What a window manager's title bar may take above a window, at the scales
// people use, before the window has been shown and its frame is known.
inline constexpr int kTitleBarAllowancePx = 32;

// Where windows go, as arithmetic on rectangles so that any screen and any
// window manager's frame can be tried without them. `frame` is the room a
// frame takes around the client area, title bar included; `free` is the
// screen's area that windows may use.

// `reported` with room for a title bar of at least kTitleBarAllowancePx on
// top: what to plan with before a window manager has framed the window
// (until then the platform reports no frame, or its own narrow one).
QMargins WithTitleBarAllowance(QMargins reported);

// `wanted`, made small enough for its frame to fit `free`, but never
// smaller than `minimum`.
QSize FittedSize(QSize wanted, QSize minimum, QMargins frame, QRect free);

// The client area of a window of `size` whose frame is centred over `over`,
// then moved as little as needed for the whole frame to lie within `free`.
// A frame taller or wider than `free` has its top edge, title bar and all,
// or its left edge on `free`'s: never above or left of the screen.
QRect PlacedClientArea(QSize size, QMargins frame, QRect over, QRect free);

// For a window already placed whose frame has just become known: `client`
// made to fit by the same rules, as little smaller and moved as little as
// needed.
QRect KeptWithin(QRect client, QSize minimum, QMargins frame, QRect free);

// The central widget of a main window, whose controls go on widget(). It
// asks for all the room its content wants (at the window's width, for
// wrapped text) but never for more than its screen has. On a large enough
// screen the window therefore behaves as if the content were its central
// widget; on a small one the content scrolls instead of the window growing
// off the screen.
class FittingScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit FittingScrollArea(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the screen leaves for this area: its free area less the
    // window's frame and menu bar.
    QSize Room() const;
    // `needed` for the content, with this area's frame and any scroll bar
    // it will need, within that room.
    QSize Fitted(QSize needed) const;
};

// A page that scrolls when it is taller or wider than the room it gets, for
// the pages of a tab widget. `page` becomes its widget.
QScrollArea* NewScrollingPage(QWidget* page, QWidget* parent);

// Brings the sizes `window` asks for up to date with what its controls
// show now: before it is first shown, the layouts have not yet heard of the
// texts set since they were made.
void SettleLayout(QWidget* window);

// Sizes a window that is about to open to fit its screen (`wanted`, or the
// size it asks for, but no larger than the screen's free area and no smaller
// than its minimum) and centres it over `opener`, or on the screen when
// there is none, moved as far as needed to lie wholly on the screen. Until
// the window is framed, a title bar of kTitleBarAllowancePx is assumed;
// once its real frame is known, the window is made to fit again if that
// frame reaches past the screen's edge.
void PlaceNewWindow(QWidget* window, const QWidget* opener, QSize wanted = QSize());

// After the texts of a shown window changed, to another language above all:
// its lists measure their entries anew, and the window grows to `wanted`
// (or the size it asks for) where it is smaller, within its screen, so that
// no word is cut to the old language's width. It never shrinks.
void RefitToTexts(QWidget* window, QSize wanted = QSize());

}  // namespace nyra
