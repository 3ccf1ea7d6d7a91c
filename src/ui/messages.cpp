#include "ui/messages.h"

#include "text/quoted_input.h"

namespace nyra {

QString Escaped(const QString& text) { return QString::fromStdString(EscapeInput(text.toStdString())); }

}  // namespace nyra
