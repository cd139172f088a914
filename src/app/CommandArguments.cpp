#include "app/CommandArguments.h"

#include <algorithm>

#include "app/CommandOption.h"

namespace svdb {

CommandArguments CommandArguments::Scan(const std::vector<std::string>& args,
                                        std::initializer_list<std::string_view> valueOptions,
                                        std::initializer_list<std::string_view> flags) {
    CommandArguments result;
    const auto named = [](std::initializer_list<std::string_view> names, const std::string& n) {
        return std::find(names.begin(), names.end(), n) != names.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        auto [option, value] = CommandOption::Parse(args[i]);
        if (option == "--help" || option == "-h") {
            result.help = true;
            return result;
        }
        if (named(flags, option) && !value) {
            result.options.emplace_back(option, std::string());
            continue;
        }
        if (!named(valueOptions, option)) {
            if (option.starts_with("--")) {
                result.error = "unknown option '" + option + "'";
                return result;
            }
            result.words.push_back(args[i]);
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                result.error = "option " + option + " needs a value";
                return result;
            }
            value = args[++i];
        }
        result.options.emplace_back(option, *value);
    }
    return result;
}

}  // namespace svdb
