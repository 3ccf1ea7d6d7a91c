// A line that says for a few seconds what has just been done ("Saved to
// ..."). Screen readers read it out as it appears (screen_reader.h makes it
// a notification); a long text is cut in the middle to the line's width and
// shown whole in its tool tip.
#pragma once

#include <QLabel>
#include <QString>
#include <QTimer>

namespace nyra {

class StatusLine : public QLabel {
    Q_OBJECT
public:
    // Each text stays `shownMs` milliseconds.
    StatusLine(const QString& name, int shownMs, QWidget* parent);

    void Show(const QString& text);
    // The whole text while it is shown; empty once it has gone.
    QString Text() const { return text_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Clear();
    void Fit();

    QString text_;
    QTimer timer_;
};

}  // namespace nyra
