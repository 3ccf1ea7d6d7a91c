// For scripted runs without a screen: each of the program's windows that
// opens or closes is named on stderr, so a script or a test driving the real
// program from outside can tell where a start ended.
#pragma once

namespace nyra {

// From now on, one line per main window or dialog shown or hidden:
//   shown frmMain
//   shown frmResult: Thula (Asha)      the sign on screen and whose it is
//   hidden frmMain
void TraceWindowsOnStderr();

}  // namespace nyra
