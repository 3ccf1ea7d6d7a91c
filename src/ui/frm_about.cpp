#include "ui/frm_about.h"

namespace nyra {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {}

} // namespace nyra
