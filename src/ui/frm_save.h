// The report window: the current sign's description as formatted rich text,
// with saving of the birth record and printing.
#pragma once

#include <QDialog>

namespace nyra {

class frmSave : public QDialog {
    Q_OBJECT
public:
    explicit frmSave(QWidget* parent = nullptr);
};

} // namespace nyra
