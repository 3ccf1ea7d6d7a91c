#include "ui/frm_save.h"

namespace nyra {

frmSave::frmSave(QWidget* parent) : QDialog(parent) {}

} // namespace nyra
