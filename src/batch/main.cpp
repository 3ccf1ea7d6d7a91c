#include "batch/batch.h"
#include "batch/batch_io.h"

#include <unistd.h>

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    nyra::FdInBuffer input(STDIN_FILENO);
    nyra::FdOutBuffer output(STDOUT_FILENO);
    std::istream in(&input);
    std::ostream out(&output);
    const int status = nyra::RunBatch(args, in, out, std::cerr);
    // Closing is the last chance to hear of a write that failed late.
    const int closeError = output.Close();
    if (status != nyra::kBatchOutputFailed && closeError != 0) return nyra::ReportOutputFailure(closeError, std::cerr);
    return status;
}
