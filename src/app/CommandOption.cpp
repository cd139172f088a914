#include "app/CommandOption.h"

namespace svdb {

CommandOption CommandOption::Parse(const std::string& argument) {
    const std::size_t eq = argument.find('=');
    if (!argument.starts_with("--") || eq == std::string::npos) return {argument, std::nullopt};
    return {argument.substr(0, eq), argument.substr(eq + 1)};
}

}  // namespace svdb
