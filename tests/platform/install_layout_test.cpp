// Where the shipped files are found: beside the executable, or under ../share/varnex.
#include "platform/install_layout.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace varnex::platform;

TEST(InstallLayout, FindsTheShippedFilesBesideTheProgramOrUnderShare) {
    struct Layout {
        std::vector<const char*> programText;  // folders holding varnex.dat, under the prefix
        const char* found;
    };
    for (const Layout& layout : {Layout{{"bin"}, "bin"},  // a build tree or a copied folder
                                 Layout{{"share/varnex"}, "share/varnex"},  // installed
                                 Layout{{"bin", "share/varnex"}, "bin"},
                                 Layout{{}, "share/varnex"},  // neither: the folder tried last
                                 Layout{{"bin/varnex.dat/x"}, "share/varnex"}}) {  // a folder is no file
        const varnex::test::TempFolder prefix;
        fs::create_directories(prefix / "bin");
        for (const char* folder : layout.programText) {
            fs::create_directories(prefix / folder);
            std::ofstream(prefix / folder / "varnex.dat") << "#\n";
        }
        EXPECT_EQ(shippedFilesFolder(prefix / "bin"), prefix / layout.found) << layout.found;
    }
}

TEST(InstallLayout, ExecutablePathAndArgv0ResolvedAsAShellWould) {
    EXPECT_EQ(executablePath(), fs::canonical("/proc/self/exe"));
    const varnex::test::TempFolder folder;
    std::ofstream(folder / "tool") << "";
    const std::string oldPath = std::getenv("PATH");
    setenv("PATH", ("/nonexistent::" + folder.path().string()).c_str(), 1);
    EXPECT_EQ(pathFromProgramName("tool"), fs::canonical(folder / "tool"));
    EXPECT_TRUE(pathFromProgramName("absent").empty() && pathFromProgramName("").empty());
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_EQ(pathFromProgramName((folder.path() / "../" / folder.path().filename() / "tool").c_str()),
              fs::canonical(folder / "tool"));  // a path: from the working folder
}
