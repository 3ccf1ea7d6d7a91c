// A framed notice of the result window: the style's icon beside a wrapped,
// selectable text, in amber for a warning or in a quiet blue for good news,
// with colours that keep their contrast under light and dark themes. The
// frame hides itself while its text is empty.
#pragma once

#include <QFrame>
#include <QPointer>
#include <QString>

class QLabel;

namespace nyra {

class WrappingLabel;

class NoticeFrame : public QFrame {
    Q_OBJECT
public:
    enum class Tone { Warning, Calm };

    // `frameName` and `textName` are the objectNames of the frame and of its
    // text label; `headingName`, when given, adds a bold heading line above
    // the text.
    NoticeFrame(const QString& frameName, const QString& textName, int iconPx, qreal textScale, bool bold,
                QWidget* parent, const QString& headingName = {}, const QString& iconName = {});

    void SetText(const QString& text, const QString& heading = {});
    void SetTone(Tone tone);
    Tone tone() const { return tone_; }

    QLabel* textLabel() const;
    // "Heading. Text", as a screen reader is to read it; empty when hidden.
    QString Spoken() const;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Colour();
    void WatchWindow();

    QLabel* icon_ = nullptr;
    QLabel* heading_ = nullptr;
    WrappingLabel* text_ = nullptr;
    int iconPx_ = 20;
    QPointer<QWidget> watchedWindow_;  // Whose palette says light or dark.
    Tone tone_ = Tone::Warning;
};

}  // namespace nyra
