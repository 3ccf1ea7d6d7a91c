// A framed notice of the result window: the style's icon beside a wrapped,
// selectable text, in amber for a warning or in a quiet blue for good news,
// with colours that keep their contrast under light and dark themes. The
// frame hides itself while its text is empty. Folded, for a small screen,
// it shows one line, its first sentence cut to the width, and a Details
// button that unfolds the rest.
#pragma once

#include <QFrame>
#include <QPointer>
#include <QString>

class QLabel;
class QToolButton;

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
    void SetFolded(bool folded);
    bool folded() const { return folded_; }
    Tone tone() const { return tone_; }

    QLabel* textLabel() const;
    // The whole text, folded or not.
    QString text() const { return text_; }
    // "Heading. Text", as a screen reader is to read it; empty when hidden.
    QString Spoken() const;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Colour();
    void WatchWindow();
    // The label's text and wrapping for the state the frame is in.
    void ShowText();

    QLabel* icon_ = nullptr;
    QLabel* heading_ = nullptr;
    WrappingLabel* textLabel_ = nullptr;
    QToolButton* details_ = nullptr;
    QString text_;
    bool folded_ = false;
    int iconPx_ = 20;
    QPointer<QWidget> watchedWindow_;  // Whose palette says light or dark.
    Tone tone_ = Tone::Warning;
};

}  // namespace nyra
