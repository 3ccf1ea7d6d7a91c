#pragma once

namespace nyra {

// Closes every window of the program, then ends its event loop.
void ExitProgram();

}  // namespace nyra
