#include "cli/run_cli.h"
#include "platform/console.h"

int main(int argc, char** argv) { return run_cli(command_line(argc, argv)); }
