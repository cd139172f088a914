#include "app/AppPaths.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace svdb {
namespace {

// A file system made of the listed files and writable folders.
AppPaths::Probe FakeProbe(std::set<std::string> files, std::set<std::string> writable) {
    return AppPaths::Probe{
        [files](const std::string& path) { return files.count(path) > 0; },
        [writable](const std::string& path) { return writable.count(path) > 0; },
    };
}

TEST(AppPathsTest, CardListHelpFileAndWritableFolderByLayout) {
    const std::string config = "/home/u/.config/svdb";
    struct Row {
        const char* name;
        std::string appDir;
        std::set<std::string> files;
        std::set<std::string> writable;
        std::string cardList;
        std::string svdeckList;
        std::string help;
        std::string writableFolder;
    };
    // clang-format off
    const Row rows[] = {
        {"build folder with its card list", "/src/build/bin",
         {"/src/build/bin/SVANLIST.csv"}, {"/src/build/bin"},
         "/src/build/bin/SVANLIST.csv", "/src/build/bin/SVANLIST.csv", "/src/build/bin/SVHELP.chm",
         "/src/build/bin"},
        {"installed: only the shared card list", "/usr/bin",
         {"/usr/share/svdb/SVANLIST.csv", "/usr/share/svdb/SVHELP.chm"}, {},
         "/usr/share/svdb/SVANLIST.csv", "/usr/share/svdb/SVANLIST.csv",
         "/usr/share/svdb/SVHELP.chm", config},
        {"installed, run by an administrator", "/usr/bin",
         {"/usr/share/svdb/SVANLIST.csv"}, {"/usr/bin"},
         "/usr/share/svdb/SVANLIST.csv", "/usr/share/svdb/SVANLIST.csv", "/usr/bin/SVHELP.chm",
         config},
        {"both present: the one beside wins", "/opt/svdb/bin",
         {"/opt/svdb/bin/SVANLIST.csv", "/opt/svdb/share/svdb/SVANLIST.csv"}, {"/opt/svdb/bin"},
         "/opt/svdb/bin/SVANLIST.csv", "/opt/svdb/bin/SVANLIST.csv", "/opt/svdb/bin/SVHELP.chm",
         "/opt/svdb/bin"},
        {"both absent: the missing one beside", "/tmp/x/bin", {}, {"/tmp/x/bin"},
         "/tmp/x/bin/SVANLIST.csv", "/tmp/x/bin/SVANLIST.csv", "/tmp/x/bin/SVHELP.chm",
         "/tmp/x/bin"},
        {"program folder not writable", "/media/cd/svdb",
         {"/media/cd/svdb/SVANLIST.csv"}, {},
         "/media/cd/svdb/SVANLIST.csv", "/media/cd/svdb/SVANLIST.csv", "/media/cd/svdb/SVHELP.chm",
         config},
        {"folder ending in a separator", "/usr/bin/",
         {"/usr/share/svdb/SVANLIST.csv"}, {},
         "/usr/share/svdb/SVANLIST.csv", "/usr/share/svdb/SVANLIST.csv", "/usr/bin/SVHELP.chm",
         config},
        {"root folder, nothing there", "/", {}, {"/"},
         "//SVANLIST.csv", "/SVANLIST.csv", "/SVHELP.chm", "/"},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const AppPaths::Probe probe = FakeProbe(r.files, r.writable);
        EXPECT_EQ(AppPaths::FindCardList(r.appDir, probe), r.cardList);
        EXPECT_EQ(AppPaths::SvdeckCardList(r.appDir, probe), r.svdeckList);
        EXPECT_EQ(AppPaths::FindHelpFile(r.appDir, probe), r.help);
        EXPECT_EQ(AppPaths::WritableFolder(r.appDir, config, probe), r.writableFolder);
    }
}

TEST(AppPathsTest, WithoutAConfigFolderTheProgramFolderStays) {
    const AppPaths::Probe probe = FakeProbe({"/usr/share/svdb/SVANLIST.csv"}, {});
    EXPECT_EQ(AppPaths::WritableFolder("/usr/bin", "", probe), "/usr/bin");
}

}  // namespace
}  // namespace svdb
