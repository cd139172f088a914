#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "search/FilterState.h"
#include "search/SearchTexts.h"

namespace svdb {

// The command-line companion "svdeck": argument parsing and output, apart
// from the process so that it can be run in tests.
class SvdeckCommand {
  public:
    // Exit statuses.
    static constexpr int kOk = 0;
    static constexpr int kUsage = 2;  // bad arguments or an unreadable input

    // programDir is the folder the program lives in; the default card list
    // is "SVANLIST.csv" there.
    SvdeckCommand(std::string programDir, std::ostream& out, std::ostream& err);

    // Runs the arguments that follow the program name and gives the exit
    // status: "svdeck COMMAND [OPTIONS]" or "svdeck --help".
    int run(const std::vector<std::string>& args);

    // One entry of the command table.
    struct Command {
        std::string_view name;
        std::string_view summary;
        int (SvdeckCommand::*run)(const std::vector<std::string>& args);
        std::string_view help;
    };
    static const std::vector<Command>& Commands();

    // The folder of the running program: from /proc/self/exe, falling back
    // to the folder of argv0 and then to the current folder.
    static std::string ProgramDirectory(const char* argv0);

  private:
    int cards(const std::vector<std::string>& args);
    int convert(const std::vector<std::string>& args);
    int draw(const std::vector<std::string>& args);
    int costs(const std::vector<std::string>& args);
    int info(const std::vector<std::string>& args);
    int clip(const std::vector<std::string>& args);
    int chance(const std::vector<std::string>& args);
    int usage(std::string_view message);
    void printHelp(std::ostream& os) const;

    std::string programDir_;
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace svdb
