#include "ui/screen_fit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace nyra {
namespace {

QRect FreeAreaOf(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return QRect();
    QRect free = screen->availableGeometry();
    // At a fractional scale the screen's size in device-independent pixels
    // is rounded and may be half a pixel more than the screen has: a window
    // filling it would reach one device pixel past the edge.
    const qreal ratio = screen->devicePixelRatio();
    if (ratio != std::floor(ratio)) free.adjust(0, 0, -1, -1);
    return free;
}

// The frame around a window's client area as the platform reports it: on X11
// nothing until a window manager has framed the window.
QMargins ReportedFrameOf(const QWidget* window) {
    if (const QWindow* handle = window->windowHandle()) return handle->frameMargins();
    const QRect frame = window->frameGeometry(), client = window->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

// Where a shown window's frame is. Asked of the window system rather than of
// the widget, whose copy of the frame's margins can be stale on X11 (seen
// as a frame of 1 x 1 pixels at the client area's corner).
QRect FrameGeometryOf(const QWidget* window) {
    if (const QWindow* handle = window->windowHandle()) return handle->frameGeometry();
    return window->frameGeometry();
}

// Sizes are planned with room for a title bar whether or not the frame is
// known yet, so that they do not change once it is.
QMargins PlanningFrameOf(const QWidget* window) { return WithTitleBarAllowance(ReportedFrameOf(window)); }

// Watches a newly placed window until it is on the screen, when its frame is
// known, and brings it back within the screen's free area where that frame
// reaches past it: a title bar taller than the allowance, or borders it did
// not count.
class FrameCheck : public QObject {
public:
    explicit FrameCheck(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QString::fromLatin1(kName));
        window->windowHandle()->installEventFilter(this);
    }

    static constexpr char kName[] = "nyraFrameCheck";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* handle = qobject_cast<const QWindow*>(watched);
        if (event->type() == QEvent::Expose && handle && handle->isExposed()) {
            const QRect free = FreeAreaOf(window_);
            const QRect client = window_->geometry();
            const QRect kept = KeptWithin(client, window_->minimumSize(), handle->frameMargins(), free);
            if (free.isValid() && kept != client) window_->setGeometry(kept);
            // Once: from now on where the window goes is the user's affair.
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
};

// `framed` moved as little as needed to lie within `free`. The far edges
// first, then the near ones: a frame larger than the area ends with its left
// edge and title bar on it, where it can be moved.
QRect MovedWithin(QRect framed, QRect free) {
    framed.moveLeft(std::max(free.left(), std::min(framed.left(), free.right() - framed.width() + 1)));
    framed.moveTop(std::max(free.top(), std::min(framed.top(), free.bottom() - framed.height() + 1)));
    return framed;
}

}  // namespace

QMargins WithTitleBarAllowance(QMargins reported) {
    return QMargins(reported.left(), std::max(reported.top(), kTitleBarAllowancePx), reported.right(),
                    reported.bottom());
}

QSize FittedSize(QSize wanted, QSize minimum, QMargins frame, QRect free) {
    return wanted.boundedTo(free.size().shrunkBy(frame)).expandedTo(minimum);
}

QRect PlacedClientArea(QSize size, QMargins frame, QRect over, QRect free) {
    QRect framed(QPoint(), size.grownBy(frame));
    framed.moveCenter(over.center());
    return MovedWithin(framed, free).marginsRemoved(frame);
}

QRect KeptWithin(QRect client, QSize minimum, QMargins frame, QRect free) {
    client.setSize(FittedSize(client.size(), minimum, frame, free));
    return MovedWithin(client.marginsAdded(frame), free).marginsRemoved(frame);
}

// The content of a FittingScrollArea. A scroll area gives a content whose
// layout has a height for a width at least that height, which for a layout
// is its preferred one, so it would scroll even where everything fits at
// the minimum. This content's height for a width is the least its wrapped
// texts need at that width.
class FittedContent : public QWidget {
public:
    using QWidget::QWidget;

    // The scroll area asks this of a content whose layout has a height for
    // a width.
    int heightForWidth(int width) const override {
        const QLayout* grid = layout();
        if (!grid || !grid->hasHeightForWidth()) return -1;
        return std::max(grid->totalMinimumSize().height(), grid->totalMinimumHeightForWidth(width));
    }

    QSize minimumSizeHint() const override {
        const QLayout* grid = layout();
        if (!grid) return QWidget::minimumSizeHint();
        QSize least = grid->totalMinimumSize();
        if (grid->hasHeightForWidth()) least.setHeight(heightForWidth(std::max(width(), least.width())));
        return least;
    }

    QSize sizeHint() const override {
        const QLayout* grid = layout();
        if (!grid) return QWidget::sizeHint();
        // At the width it asks for, not at the width it happens to have.
        QSize wanted = grid->totalSizeHint().expandedTo(grid->totalMinimumSize());
        if (grid->hasHeightForWidth())
            wanted.setHeight(std::max(grid->totalHeightForWidth(wanted.width()), heightForWidth(wanted.width())));
        return wanted;
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        // Wrapped text needs another height at another width.
        if (event->size().width() != event->oldSize().width()) updateGeometry();
    }
};

FittingScrollArea::FittingScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The content's own controls take the focus; the area is no Tab stop.
    setFocusPolicy(Qt::NoFocus);
    setWidget(new FittedContent);
    // The content's new size reaches the viewport (its parent) and its own
    // layout; the window must hear of it too.
    widget()->installEventFilter(this);
    viewport()->installEventFilter(this);
}

QSize FittingScrollArea::Room() const {
    const QWidget* top = window();
    const QRect free = FreeAreaOf(top);
    if (!free.isValid()) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Taken from the widgets rather than from the window's size less this
    // area's: before the first layout those sizes are Qt's defaults.
    int menuHeight = 0;
    if (const auto* main = qobject_cast<const QMainWindow*>(top); main && main->menuWidget())
        menuHeight = main->menuWidget()->sizeHint().height();
    return free.size().shrunkBy(PlanningFrameOf(top)) - QSize(0, menuHeight);
}

QSize FittingScrollArea::Fitted(QSize needed) const {
    const int frame = 2 * frameWidth();
    needed += QSize(frame, frame);
    const QSize room = Room();
    // Where the screen is too short, a scroll bar takes room beside the
    // content; too narrow, one takes room beneath it.
    if (needed.height() > room.height()) needed.rwidth() += verticalScrollBar()->sizeHint().width();
    if (needed.width() > room.width()) needed.rheight() += horizontalScrollBar()->sizeHint().height();
    return needed.boundedTo(room);
}

QSize FittingScrollArea::sizeHint() const { return Fitted(widget()->sizeHint()); }

QSize FittingScrollArea::minimumSizeHint() const { return Fitted(widget()->minimumSizeHint()); }

bool FittingScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LayoutRequest && (watched == widget() || watched == viewport())) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

QScrollArea* NewScrollingPage(QWidget* page, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(page);
    // Pages show the tab widget's own page behind them, as before; setWidget
    // has just made the page fill itself.
    area->viewport()->setAutoFillBackground(false);
    page->setAutoFillBackground(false);
    return area;
}

void SettleLayout(QWidget* window) {
    // Texts set since the last layout have only posted their requests. Each
    // round can post the next level's (a scroll area's content, then the
    // window around it).
    for (int round = 0; round < 3; ++round) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (QLayout* layout = window->layout()) layout->activate();
}

void PlaceNewWindow(QWidget* window, const QWidget* opener, QSize wanted) {
    SettleLayout(window);

    const QRect free = FreeAreaOf(opener ? opener : window);
    if (!free.isValid()) return;
    // Made now if it is not yet, so that its framing can be watched.
    if (!window->windowHandle()) window->winId();
    QWindow* handle = window->windowHandle();
    const bool framed = handle && handle->isExposed();
    const QMargins frame = framed ? ReportedFrameOf(window) : PlanningFrameOf(window);
    if (!wanted.isValid()) wanted = window->sizeHint();
    const QSize size = FittedSize(wanted, window->minimumSize(), frame, free);
    const QRect over = opener && opener->isVisible() ? FrameGeometryOf(opener) : free;
    // The client area rather than move(), which places the frame only where
    // the frame is known: with none known yet it put the client area where
    // the frame was meant to go, and the title bar above the screen.
    window->setGeometry(PlacedClientArea(size, frame, over, free));
    if (framed || !handle) return;
    delete window->findChild<QObject*>(QString::fromLatin1(FrameCheck::kName), Qt::FindDirectChildrenOnly);
    new FrameCheck(window);
}

void RefitToTexts(QWidget* window, QSize wanted) {
    // A list measures its entries once; one told of another way to measure
    // forgets that size, and told of its own way again measures anew.
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        const QComboBox::SizeAdjustPolicy policy = list->sizeAdjustPolicy();
        list->setSizeAdjustPolicy(policy == QComboBox::AdjustToContents ? QComboBox::AdjustToMinimumContentsLengthWithIcon
                                                                        : QComboBox::AdjustToContents);
        list->setSizeAdjustPolicy(policy);
    }
    SettleLayout(window);
    if (!wanted.isValid()) wanted = window->sizeHint();
    const QSize grown = window->size().expandedTo(wanted);
    if (!window->isVisible() || grown == window->size()) return;
    const QRect free = FreeAreaOf(window);
    if (!free.isValid()) return;
    const QMargins frame = ReportedFrameOf(window);
    const QSize size = FittedSize(grown, window->minimumSize(), frame, free);
    window->setGeometry(KeptWithin(QRect(window->geometry().topLeft(), size), window->minimumSize(), frame, free));
}

}  // namespace nyra
