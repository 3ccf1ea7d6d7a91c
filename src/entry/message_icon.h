// The two kinds of message the program shows: a stop sign for what the user
// must put right, and information. The checks choose it; the windows show it.
#pragma once

namespace nyra {

enum class MessageIcon { Stop, Information };

}  // namespace nyra
