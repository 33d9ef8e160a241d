#include "engine/ProcessEntry.h"

int main(int argc, char** argv) { return Orvex::RunProcess(argc, argv, "IntroGS"); }
