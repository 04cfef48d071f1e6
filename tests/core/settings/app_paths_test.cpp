#include "settings/app_paths.h"

#include <gtest/gtest.h>

#include <map>

#include "test_files.h"

namespace brenvox {
namespace {

namespace fs = std::filesystem;
using testing_files::ScratchDir;
using testing_files::WriteRaw;

EnvLookup FakeEnv(std::map<std::string, std::string> vars) {
    return [vars](const char* name) -> std::optional<std::string> {
        const auto it = vars.find(name);
        if (it == vars.end()) return std::nullopt;
        return it->second;
    };
}

TEST(AppPaths, ANastawyFolderBesideTheProgramMeansPortableOtherwiseTheUsersFolders) {
    ScratchDir dir;
    const fs::path exe = dir.file("bin");
    fs::create_directory(exe);
    const auto env = FakeEnv({{"HOME", "/home/ala"}, {"XDG_DATA_HOME", "/d"}, {"XDG_CONFIG_HOME", "/c"}});

    AppPaths p = ResolveAppPaths(exe, env);
    EXPECT_FALSE(p.portable);
    EXPECT_EQ(p.settingsDir, fs::path("/d/brenvox/Nastawy"));
    EXPECT_EQ(p.portConfigFile, fs::path("/c/brenvox/Conf"));
    EXPECT_EQ(p.archiveDir, fs::path("/d/brenvox/Archiwum"));

    // A file named Nastawy is not the folder.
    WriteRaw((exe / "Nastawy").string(), "");
    EXPECT_FALSE(ResolveAppPaths(exe, env).portable);
    fs::remove(exe / "Nastawy");
    fs::create_directory(exe / "Nastawy");
    p = ResolveAppPaths(exe, env);
    EXPECT_TRUE(p.portable);
    EXPECT_EQ(p.settingsDir, exe / "Nastawy");
    EXPECT_EQ(p.portConfigFile, exe / "System" / "Conf");
}

TEST(AppPaths, UnsetEmptyOrRelativeBaseFoldersFallBackToTheHomeDefaults) {
    ScratchDir dir;
    for (const auto& vars : {std::map<std::string, std::string>{{"HOME", "/home/ala"}},
                             {{"HOME", "/home/ala"}, {"XDG_DATA_HOME", ""}, {"XDG_CONFIG_HOME", ""}},
                             {{"HOME", "/home/ala"}, {"XDG_DATA_HOME", "."}, {"XDG_CONFIG_HOME", "cfg"}}}) {
        const AppPaths p = ResolveAppPaths(dir.file("none"), FakeEnv(vars));
        EXPECT_EQ(p.settingsDir, fs::path("/home/ala/.local/share/brenvox/Nastawy"));
        EXPECT_EQ(p.portConfigFile, fs::path("/home/ala/.config/brenvox/Conf"));
    }
}

}  // namespace
}  // namespace brenvox
