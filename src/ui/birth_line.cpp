#include "ui/birth_line.h"

#include "ui/named.h"
#include "ui/wrapping_label.h"

#include <QCoreApplication>

namespace nyra {

QString BirthLineText(const ReportTitle& title) {
    if (title.name.trimmed().isEmpty())
        return QCoreApplication::translate("nyra::BirthLine", "Born %1 at %2").arg(title.born, title.place);
    return QCoreApplication::translate("nyra::BirthLine", "%1, born %2 at %3").arg(title.name, title.born, title.place);
}

QLabel* NewBirthLine(const QString& name, QWidget* parent) {
    auto* label = Named(new WrappingLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace nyra
