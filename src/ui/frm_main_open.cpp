#include "ui/frm_main.h"

namespace nyra {

void frmMain::OpenBirthRecord() {}

} // namespace nyra
