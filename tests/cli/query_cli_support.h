#pragma once
// Running zor-cli query and run as programs in the tests.
#include <string>

#include "support/test_files.h"

namespace zor::test {

std::string shell_quoted(const std::string& text);
// Runs a command line with stderr caught; returns the exit status.
int run_program(const std::string& command, const ScratchDir& dir, std::string& error_output);
std::string zor_cli();

}  // namespace zor::test
