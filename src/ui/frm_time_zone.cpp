#include "ui/frm_time_zone.h"

namespace nyra {

frmTimeZone::frmTimeZone(QLineEdit*, QLineEdit*, QWidget* parent) : QDialog(parent) {}

} // namespace nyra
