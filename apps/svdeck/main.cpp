#include <iostream>
#include <string>
#include <vector>

#include "app/SvdeckCommand.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    svdb::SvdeckCommand command(svdb::SvdeckCommand::ProgramDirectory(argc > 0 ? argv[0] : nullptr),
                                std::cout, std::cerr);
    return command.run(args);
}
