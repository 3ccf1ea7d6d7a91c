#include "app/window_trace.h"

#include "ui/frm_result.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMainWindow>

#include <cstdio>

namespace nyra {
namespace {

class WindowTrace : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool shown = event->type() == QEvent::Show;
        if (!shown && event->type() != QEvent::Hide) return false;
        // Menus, tool tips and list pop-ups are windows too; they say nothing
        // about where the program is.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow() || !(qobject_cast<QMainWindow*>(widget) || qobject_cast<QDialog*>(widget)))
            return false;

        QString line = QLatin1String(shown ? "shown " : "hidden ") + WindowName(*widget);
        if (const auto* result = qobject_cast<frmResult*>(widget); shown && result) {
            const Calculation& calculation = result->calculation();
            line += QStringLiteral(": %1 (%2)")
                        .arg(QString::fromStdString(calculation.RashiName()),
                             QString::fromStdString(calculation.birth.BirthName));
        }
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
        std::fflush(stderr);
        return false;
    }

private:
    // The class name without its namespace: "frmMain".
    static QString WindowName(const QWidget& widget) {
        const QString name = QString::fromLatin1(widget.metaObject()->className());
        return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
    }
};

}  // namespace

void TraceWindowsOnStderr() { qApp->installEventFilter(new WindowTrace(qApp)); }

}  // namespace nyra
