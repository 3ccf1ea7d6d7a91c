// Every message box of the program goes through ShowMessage, so tests can
// capture messages instead of blocking on a modal box.
#pragma once

#include "entry/message_icon.h"

#include <QString>

#include <functional>

class QWidget;

namespace nyra {

inline const QString kAppTitle = QStringLiteral("Nyra Moon Sign");
inline const QString kWindowTitle = QStringLiteral("Nyra Moon Sign v2.10");

// Caption kAppTitle, the icon, one OK button.
void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon);

// Replaces the message box (tests); returns the handler it replaced. An
// empty handler restores the real message box.
using MessageHandler = std::function<void(const QString& text, MessageIcon icon)>;
MessageHandler SetMessageHandler(MessageHandler handler);

} // namespace nyra
