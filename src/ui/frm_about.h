// The about box.
#pragma once

#include <QDialog>

namespace nyra {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
};

} // namespace nyra
