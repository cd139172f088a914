#pragma once

#include <optional>
#include <string>

namespace svdb {

// One command-line argument taken apart: "--name=value" gives the name and
// the value; anything else is the name alone, its value (if it takes one)
// being the next argument.
struct CommandOption {
    std::string name;
    std::optional<std::string> value;

    static CommandOption Parse(const std::string& argument);
};

}  // namespace svdb
