#include "startup.h"

int main(int argc, char** argv) { return corvanta::RunProcess(argc, argv); }
