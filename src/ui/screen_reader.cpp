#include "ui/screen_reader.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QVariant>

namespace nyra {
namespace {

const char* const kDecorativeProperty = "nyraDecorative";

bool IsDecorative(const QObject* object) { return object && object->property(kDecorativeProperty).toBool(); }

// Qt's list interface, but named as a list is named on every other
// platform: by its accessible name, else by the label whose buddy it is;
// only a list with neither is named by its entry.
class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        // Named by its caption, a list's value is read from its selected
        // entry, as for lists of other toolkits; Qt moves the selection of
        // the entries only while they are open, so it follows the list here.
        FollowEntry(list);
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list] { FollowEntry(list); });
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return List()->currentText();
        const QString said = QAccessibleWidget::text(t);
        return t == QAccessible::Name && said.isEmpty() ? List()->currentText() : said;
    }

    // The open list of entries, and the box of an editable list, as Qt has them.
    int childCount() const override { return List()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(List()->view());
        if (index == 1 && List()->isEditable()) return QAccessible::queryAccessibleInterface(List()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == List()->view()) return 0;
        if (List()->isEditable() && child->object() == List()->lineEdit()) return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (List()->isEditable() && List()->lineEdit()->rect().contains(x, y)) return child(1);
        return nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (List()->view()->isVisible())
            List()->hidePopup();
        else
            List()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }

    static void FollowEntry(QComboBox* list) {
        QItemSelectionModel* selection = list->view()->selectionModel();
        const QModelIndex entry =
            list->model()->index(list->currentIndex(), list->modelColumn(), list->rootModelIndex());
        if (selection && entry.isValid()) selection->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
    }
};

// A plain widget or dialog as Qt describes it, less its decorative pictures.
class WithoutDecorations : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(Shown().size()); }
    QAccessibleInterface* child(int index) const override { return Shown().value(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(Shown().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    // Qt's children, in Qt's order.
    QList<QAccessibleInterface*> Shown() const {
        QList<QAccessibleInterface*> shown;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child && !IsDecorative(child->object())) shown.append(child);
        }
        return shown;
    }
};

// Asked for each class of an object, most derived first, before Qt's own
// interfaces; nothing leaves the class to the next factory.
QAccessibleInterface* ProgramInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QComboBox")) return new NamedList(static_cast<QComboBox*>(widget));
    if (className == QLatin1String("nyra::StatusLine")) return new QAccessibleWidget(widget, QAccessible::Notification);
    // Where Qt would describe the widget as a plain one, a frame or a dialog.
    if (className == QLatin1String("QWidget")) return new WithoutDecorations(widget);
    if (className == QLatin1String("QFrame")) return new WithoutDecorations(widget, QAccessible::Border);
    if (className == QLatin1String("QDialog")) return new WithoutDecorations(widget, QAccessible::Dialog);
    return nullptr;
}

}  // namespace

void UseProgramAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&ProgramInterface);
        return true;
    }();
    (void)installed;
}

void MarkDecorative(QWidget* picture) {
    picture->setProperty(kDecorativeProperty, true);
    picture->setAccessibleName(QString());
}

}  // namespace nyra
