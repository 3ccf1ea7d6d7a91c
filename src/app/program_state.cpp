#include "app/program_state.h"

namespace nyra {

ProgramState& Program() {
    static ProgramState state;
    return state;
}

} // namespace nyra
