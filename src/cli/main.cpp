#include <iostream>

#include "cli/CliApplication.h"

int main(int argc, char** argv) {
    kalivo::CliApplication application;
    return application.Run(argc, argv, std::cout, std::cerr);
}
