#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace svdb {

// The arguments of one svdeck command taken apart, in the order given: its
// words (every argument that does not start with "--"), and its options with
// their values. An option that takes a value has it after "=" or as the next
// argument; a flag has none. "--help" or "-h" asks for help. Taking apart
// stops at the first help request or mistake: an option the command does not
// know, a flag given a value, or an option missing its value.
struct CommandArguments {
    std::vector<std::string> words;
    std::vector<std::pair<std::string, std::string>> options;  // name, value ("" for a flag)
    bool help = false;
    std::optional<std::string> error;  // as svdeck reports it, after "svdeck: COMMAND: "

    static CommandArguments Scan(const std::vector<std::string>& args,
                                 std::initializer_list<std::string_view> valueOptions,
                                 std::initializer_list<std::string_view> flags = {});
};

}  // namespace svdb
