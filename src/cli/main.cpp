#include "cli/cli.h"

int main(int argc, char** argv) { return spurgear::RunCli(argc, argv); }
