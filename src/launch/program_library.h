#pragma once

#include "launch/command_line.h"

namespace yorvane {

// The program with its windows lives in a library of its own, yorvane-program.so,
// which a process loads only once it is to be the program: an order handed to a
// running program then loads no GUI library, and is as quick as a click.

// The library's entry point: runs the program until it ends, with its exit status.
using RunProgram = int(int argc, char** argv, StartOrder order);
inline constexpr char kRunProgramSymbol[] = "yorvane_run_program";

// Loads the library, from beside the program file or from its installed
// place, and runs the program; where it cannot be loaded, says why and
// returns 1.
int runProgram(int argc, char** argv, StartOrder order);

}  // namespace yorvane
