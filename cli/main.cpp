// varnex-cli: Varnex on the command line.
#include "cli.h"

#include "platform/program_folder.h"
#include "text/program_text.h"

#include <ctime>
#include <iostream>

namespace {

std::int32_t currentLocalYear() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local ? local->tm_year + 1900 : 2000;
}

}  // namespace

int main(int argc, char** argv) {
    varnex::platform::RememberProgramName(argc > 0 ? argv[0] : nullptr);
    const varnex::ProgramTextLoad text = varnex::LoadProgramText(varnex::platform::ProgramFolder(), "varnex.dat");
    if (!text.ok()) {
        std::cerr << text.message << '\n';
        return 1;
    }
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return varnex::RunCli(args, currentLocalYear(), std::cout, std::cerr);
}
