// varnex-cli: Varnex on the command line.
#include "options.h"
#include "run.h"

#include "calendar/calendar_date.h"
#include "platform/output_file.h"
#include "platform/process.h"
#include "platform/program_folder.h"
#include "text/program_text.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <iostream>
#include <new>
#include <sstream>
#include <system_error>

namespace {

using varnex::platform::WriteOutcome;

// Writes the output to standard output, or replaces the file `path` with it, as it is made. A
// reader that has gone away ends the program quietly; any other failure is lost output.
int emit(const varnex::platform::OutputWriter& write, const std::optional<std::string>& path) {
    const varnex::platform::WriteResult result = path ? varnex::platform::writeOutputFile(*path, write)
                                                      : varnex::platform::writeToStandardOutput(write);
    if (result.outcome == WriteOutcome::Failed) {
        std::cerr << "varnex-cli: " << (path ? "" : "standard output: ") << result.message << '\n';
        return varnex::kCliOutputLost;
    }
    return varnex::kCliOk;
}

// The whole program; what it throws (no memory, no thread, a library's failure) main reports.
int run(int argc, char** argv) {
    varnex::platform::rememberProgramName(argc > 0 ? argv[0] : nullptr);
    varnex::platform::takeWriteFailuresAsErrors();
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::ostringstream answer;  // --help or --version
    varnex::ParsedCommandLine parsed = varnex::parseCommandLine(args, answer, std::cerr);
    if (!parsed.options) {
        if (parsed.exitCode != varnex::kCliOk) return parsed.exitCode;
        return emit([&answer](std::ostream& out) { out << answer.str(); }, std::nullopt);
    }
    const varnex::ProgramTextLoad text = varnex::LoadProgramText(varnex::platform::programFolder(), "varnex.dat");
    if (!text.ok()) {
        std::string message = text.message;
        for (std::size_t cr; (cr = message.find("\r\n")) != std::string::npos;) message.erase(cr, 1);
        std::cerr << "varnex-cli: " << message << '\n';
        return varnex::kCliOutputLost;
    }
    // The local year is asked for only when it is needed: reading the local zone may block (TZ
    // naming a pipe) or fail, which a run for a given year must not depend on.
    const bool yearGiven = parsed.options->yearText || parsed.options->fromText;
    const std::time_t clock = std::time(nullptr);
    // --next counts from the clock unless --now says otherwise; SOURCE_DATE_EPOCH stamps an
    // iCalendar file, it is not the moment asked about.
    if (parsed.options->next > 0 && !parsed.options->nowJD)
        parsed.options->nowJD = varnex::julianDayOfUnixTime(clock);
    const std::time_t now = parsed.options->sourceDateEpoch ? static_cast<std::time_t>(*parsed.options->sourceDateEpoch)
                                                            : clock;
    const varnex::CliRun started =
        varnex::startCli(*parsed.options, yearGiven ? 0 : varnex::platform::currentLocalYear(), now, std::cerr);
    if (started.exitCode != varnex::kCliOk) return started.exitCode;
    return emit(started.write, parsed.options->outputPath);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "varnex-cli: " << std::strerror(ENOMEM) << '\n';
    } catch (const std::system_error& e) {
        std::cerr << "varnex-cli: " << e.code().message() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "varnex-cli: " << e.what() << '\n';
    }
    return varnex::kCliOutputLost;
}
