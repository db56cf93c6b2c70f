#include "cli/commands.h"

int main(int argc, char** argv) { return zor::run_cli(argc, argv); }
