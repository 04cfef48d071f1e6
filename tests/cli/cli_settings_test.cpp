// The settings commands of brenvox-cli, run as the built program.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "settings/cp1250.h"
#include "settings/printout.h"
#include "settings/printout_pdf.h"
#include "settings/settings_file.h"

namespace brenvox {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
    std::ifstream i(p, std::ios::binary);
    std::ostringstream ss;
    ss << i.rdbuf();
    return ss.str();
}

std::vector<std::string> SplitLines(const std::string& s) {
    std::vector<std::string> v;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct CliResult {
    int rc = -1;
    std::string out, err;
    std::vector<std::string> lines() const { return SplitLines(out); }
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ =
            fs::temp_directory_path() / ("brenvox-cli-test-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string file(const std::string& name) const { return (dir_ / name).string(); }

    // `env` goes before the program: variables for this one run ("LANG=en_US.UTF-8 ...").
    CliResult run(const std::vector<std::string>& args, const std::string& env = {}) {
        std::string cmd = env.empty() ? std::string() : "env " + env + " ";
        cmd.append(ShellQuote(BRENVOX_CLI_PATH));
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on " " + a temporary.
        for (const auto& a : args) cmd.append(" ").append(ShellQuote(a));
        cmd.append(" >").append(ShellQuote(file(".out"))).append(" 2>").append(ShellQuote(file(".err")));
        CliResult r;
        const int st = std::system(cmd.c_str());
        r.rc = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        r.out = Slurp(file(".out"));
        r.err = Slurp(file(".err"));
        fs::remove(file(".out"));
        fs::remove(file(".err"));
        return r;
    }
    std::string writeJson(const std::string& name, const std::string& text) {
        std::ofstream(file(name), std::ios::binary) << text;
        return file(name);
    }
    std::string saved(const std::string& name, const ModuleSettings& s) {
        EXPECT_TRUE(WriteSettingsFile(file(name), s));
        return file(name);
    }

    fs::path dir_;
};

std::string Cp(const char* utf8) {
    return Utf8ToCp1250(utf8).bytes;
}

TEST_F(Cli, NewWritesTheDefaultsOrFailsWithTheSaveMessage) {
    const CliResult r = run({"new", file("Nowy")});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(Slurp(file("Nowy")), Slurp(saved("ref", ModuleSettings{})));

    EXPECT_EQ(run({"new"}).rc, 2);
    EXPECT_EQ(run({"nosuchcommand"}).rc, 2);
    EXPECT_EQ(run({}).rc, 2);
}

// Where `new` cannot make its file, the message names the file and the next line says why. The
// places that need root (a tmpfs to fill or mount read-only, a user to become) are skipped,
// saying so, where that is not allowed.
enum class Place { MissingFolder, FolderWithoutRights, FullDisk, ReadOnlyDisk };

class CliFileFault : public Cli, public ::testing::WithParamInterface<Place> {
protected:
    void TearDown() override {
        if (!mounted_.empty()) [[maybe_unused]]
            const int rc = std::system(("umount " + ShellQuote(mounted_)).c_str());
        Cli::TearDown();
    }
    bool mount(const std::string& where, const std::string& options) {
        fs::create_directory(where);
        if (std::system(
                ("mount -t tmpfs -o " + options + " tmpfs " + ShellQuote(where) + " 2>/dev/null").c_str()) !=
            0)
            return false;
        mounted_ = where;
        return true;
    }
    std::string mounted_;
};

TEST_P(CliFileFault, NewSaysWhyTheFileCouldNotBeMade) {
    std::string target, cause, as;
    switch (GetParam()) {
        case Place::MissingFolder:
            target = file("brak/Nowy");
            cause = "Brak folderu " + file("brak") + ".";
            break;
        case Place::FolderWithoutRights: {
            // Root writes anywhere: the command runs as nobody, who may only look into the folder.
            if (::geteuid() == 0) {
                const passwd* nobody = ::getpwnam("nobody");
                if (nobody)
                    as = "setpriv --reuid=" + std::to_string(nobody->pw_uid) +
                         " --regid=" + std::to_string(nobody->pw_gid) + " --clear-groups";
                if (!nobody || std::system((as + " true 2>/dev/null").c_str()) != 0)
                    GTEST_SKIP() << "running as root and cannot run a command as the user nobody";
            }
            fs::create_directory(file("zamkniety"));
            fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
            fs::permissions(file("zamkniety"), fs::perms::owner_read | fs::perms::owner_exec |
                                                   fs::perms::group_read | fs::perms::group_exec |
                                                   fs::perms::others_read | fs::perms::others_exec);
            target = file("zamkniety/Nowy");
            cause = "Brak prawa zapisu w folderze " + file("zamkniety") + ".";
            break;
        }
        case Place::FullDisk: {
            if (!mount(file("pelny"), "size=16k")) GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
            std::ofstream fill(file("pelny/zapelnienie"), std::ios::binary);
            const std::string block(512, 'f');
            while (fill.write(block.data(), block.size()) && fill.flush()) {
            }
            target = file("pelny/Nowy");
            cause = "Dysk jest pełny.";
            break;
        }
        case Place::ReadOnlyDisk:
            if (!mount(file("ro"), "ro,size=16k")) GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
            target = file("ro/Nowy");
            cause = "Folder " + file("ro") + " jest na nośniku tylko do odczytu.";
            break;
    }
    const CliResult r = run({"new", target}, as);
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "Problem z utworzeniem pliku na dysku! (" + target + ")\n" + cause + "\n");
    EXPECT_FALSE(fs::exists(target));
}

INSTANTIATE_TEST_SUITE_P(EachPlace, CliFileFault,
                         ::testing::Values(Place::MissingFolder, Place::FolderWithoutRights, Place::FullDisk,
                                           Place::ReadOnlyDisk));

TEST_F(Cli, ShowListsEveryKeyInFileOrderWithEscapes) {
    ModuleSettings s;
    s.PIN = "12\\4";
    s.SMSC = std::string("a\x01\x1F\r\nb", 6);
    s.slots[7].setSmsText(Cp("Włamanie!"));
    s.slots[7].Function = -7;
    s.slots[7].Locked = true;
    s.set(IntSetting::TEST1TYPE, 9);
    const CliResult r = run({"show", saved("s", s)});
    ASSERT_EQ(r.rc, 0) << r.err;
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 123u);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, lines[i].find('=')), SettingKeys()[i].name);
    EXPECT_EQ(lines[0], "PIN=12\\x5C4");
    EXPECT_EQ(lines[1], "MODPIN=8361");
    EXPECT_EQ(lines[2], "SMSC=a\\x01\\x1F\\x0D\\x0Ab");
    EXPECT_EQ(lines[3], "INP11C=Wejście 1 - Blokada");
    EXPECT_EQ(lines[3 + 6 * 7 + 1], "INP34F=-7");
    EXPECT_EQ(lines[3 + 6 * 7 + 4], "INP34S=Włamanie!");
    EXPECT_EQ(lines[3 + 6 * 7 + 5], "INP34L=1");
    EXPECT_EQ(lines[3 + 96 + 2], "ONALARM=0");
    EXPECT_EQ(lines[3 + 96 + 4], "OFFRING=1");
    EXPECT_EQ(lines[3 + 96 + 6], "OFFTIMEVAL=60");
    EXPECT_EQ(lines[3 + 96 + 18], "TEST1TYPE=-1");
}

TEST_F(Cli, UnreadableFilesExitWith2AndTheProgramsMessage) {
    for (const char* cmd : {"show", "export", "validate", "print"}) {
        const CliResult missing = run({cmd, file("missing")});
        EXPECT_EQ(missing.rc, 2) << cmd;
        EXPECT_NE(missing.err.find("Problem z otwarciem pliku!"), std::string::npos)
            << cmd << ": " << missing.err;
        EXPECT_TRUE(missing.out.empty()) << cmd;
    }
    std::ofstream(file("broken"), std::ios::binary) << "[BEG]\r\nPIN 5A\r\n[END]\r\n";
    const CliResult broken = run({"show", file("broken")});
    EXPECT_EQ(broken.rc, 2);
    EXPECT_NE(broken.err.find("Błąd odczytu ustawień!"), std::string::npos) << broken.err;
    EXPECT_EQ(run({"diff", file("broken"), saved("ok", ModuleSettings{})}).rc, 2);
    EXPECT_EQ(run({"diff", file("ok"), file("missing")}).rc, 2);
}

TEST_F(Cli, ExportAndImportRoundTrip) {
    ModuleSettings s;
    s.PIN = "1234";
    s.SMSC = std::string("+48\x01\\", 5);
    s.slots[0].setComment(Cp("Zażółć gęślą jaźń"));
    s.slots[3].Function = SendSms;
    s.slots[3].Reaction = 7;
    s.slots[15].Locked = true;
    s.set(IntSetting::SMSTIME, 42);
    s.set(IntSetting::TEST2TYPE, 9);  // -1
    s.RINGCUT = false;
    const std::string src = saved("src", s);
    const CliResult e = run({"export", src});
    ASSERT_EQ(e.rc, 0) << e.err;
    const auto j = nlohmann::ordered_json::parse(e.out);
    ASSERT_TRUE(j.is_object());
    ASSERT_EQ(j.size(), 123u);
    std::size_t i = 0;
    for (const auto& [key, value] : j.items()) EXPECT_EQ(key, SettingKeys()[i++].name);
    EXPECT_EQ(j["INP11C"], "Zażółć gęślą jaźń");
    EXPECT_EQ(j["SMSC"], "+48\x01\\");
    EXPECT_EQ(j["INP22R"], 7);
    EXPECT_EQ(j["INP72L"], true);
    EXPECT_EQ(j["RINGCUT"], false);
    EXPECT_EQ(j["TEST2TYPE"], -1);

    const CliResult im = run({"import", writeJson("s.json", e.out), "-o", file("back")});
    ASSERT_EQ(im.rc, 0) << im.err;
    EXPECT_EQ(Slurp(file("back")), Slurp(src));
    EXPECT_EQ(run({"diff", src, file("back")}).rc, 0);
}

TEST_F(Cli, ImportStartsFromTheDefaultsAndClampsLikeAFileRead) {
    const CliResult r =
        run({"import", writeJson("p.json", R"({"SMSTIME": 50, "INP11P": "12345678901234567890",
                                                        "TESTMSB": -3, "PIN": "123456"})"),
             "-o", file("out")});
    ASSERT_EQ(r.rc, 0) << r.err;
    ModuleSettings want;
    want.set(IntSetting::SMSTIME, 42);
    want.set(IntSetting::TESTMSB, 0);
    want.slots[0].setPhone("123456789012");
    want.PIN = "123456";
    ModuleSettings got;
    ASSERT_EQ(ReadSettingsFile(file("out"), got), ReadOutcome::Ok);
    EXPECT_EQ(got, want);
}

TEST_F(Cli, ImportRefusesBadMembersNamingTheKeyAndWritesNothing) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"PIN": "1234", "NOSUCHKEY": 1})", "NOSUCHKEY"},
        {R"({"SMSMAX": "20"})", "SMSMAX"},
        {R"({"SMSMAX": 2.5})", "SMSMAX"},
        {R"({"SMSMAX": true})", "SMSMAX"},
        {R"({"INP11F": 4294967297})", "INP11F"},
        {R"({"INP11F": -2147483649})", "INP11F"},
        {R"({"PIN": 1234})", "PIN"},
        {R"({"ONALARM": 1})", "ONALARM"},
        {R"({"OFFRING": "true"})", "OFFRING"},
        {R"({"INP21C": "señor"})", "INP21C"},
        {R"({"TEST1SMS": null})", "TEST1SMS"},
        {"{\"SMSC\": \"" + std::string(256, '1') + "\"}", "SMSC"},
    };
    for (const auto& [json, key] : cases) {
        const CliResult r = run({"import", writeJson("bad.json", json), "-o", file("out")});
        EXPECT_EQ(r.rc, 2) << json;
        EXPECT_NE(r.err.find("\"" + key + "\""), std::string::npos) << json << " -> " << r.err;
        EXPECT_FALSE(fs::exists(file("out"))) << json;
    }
    for (const std::string json : {"[1, 2]", "{\"PIN\": ", "", "\"PIN\""}) {
        const CliResult r = run({"import", writeJson("bad.json", json), "-o", file("out")});
        EXPECT_EQ(r.rc, 2) << json;
        EXPECT_FALSE(r.err.empty());
        EXPECT_FALSE(fs::exists(file("out"))) << json;
    }
    EXPECT_EQ(run({"import", file("none.json"), "-o", file("out")}).rc, 2);
    EXPECT_EQ(run({"import", writeJson("ok.json", "{}")}).rc, 2);  // -o is required
    // The limits themselves are accepted.
    EXPECT_EQ(run({"import",
                   writeJson("edge.json", "{\"INP11F\": -2147483648, \"INP11R\": 2147483647, \"SMSC\": \"" +
                                              std::string(255, '1') + "\"}"),
                   "-o", file("out")})
                  .rc,
              0);
}

TEST_F(Cli, ValidatePrintsTheFirstFailure) {
    const CliResult ok = run({"validate", saved("ok", ModuleSettings{})});
    EXPECT_EQ(ok.rc, 0);
    EXPECT_TRUE(ok.out.empty());

    ModuleSettings pin;
    pin.PIN = "123";
    pin.OUTCODE = "1";
    const CliResult p = run({"validate", saved("pin", pin)});
    EXPECT_EQ(p.rc, 1);
    EXPECT_EQ(p.lines(), (std::vector<std::string>{"Potwierdź", "Niewłaściwy kod PIN karty SIM.",
                                                   "Kod PIN powinien składać się z 4 cyfr."}));

    ModuleSettings smsc;
    smsc.slots[4].Function = SendSms;
    const CliResult c = run({"validate", saved("smsc", smsc)});
    EXPECT_EQ(c.rc, 1);
    EXPECT_EQ(c.lines(),
              (std::vector<std::string>{"Potwierdź", "Brak numeru centrum SMS."}));  // no empty line 2

    ModuleSettings slot;
    slot.SMSC = "+48601";
    slot.slots[5].Function = SendSms;
    slot.slots[5].Phone = "600";
    slot.slots[5].SmsText = std::string(61, 'x');
    const CliResult s = run({"validate", saved("slot", slot)});
    EXPECT_EQ(s.rc, 1);
    EXPECT_EQ(s.lines(), (std::vector<std::string>{"Informacja", "Błędne parametry dla wejścia nr 3.",
                                                   "Zbyt długa treść wiadomości SMS (maks. 60 znaków)."}));
}

TEST_F(Cli, PrintUsesTheGivenDateAndNameOrTheFileNameAndToday) {
    const std::string path = saved("Moje ustawienia", ModuleSettings{});
    const CliResult r = run({"print", path, "--date", "06-12-2026", "--name", "Zażółć"});
    ASSERT_EQ(r.rc, 0) << r.err;
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 104u);
    EXPECT_EQ(lines[0], "Data wydruku: 06-12-2026");
    EXPECT_EQ(lines[1], "Nazwa ustawień: Zażółć");
    EXPECT_EQ(lines.back(), "Koniec wydruku.");

    const CliResult d = run({"print", path});
    ASSERT_EQ(d.rc, 0) << d.err;
    const auto dl = d.lines();
    ASSERT_EQ(dl.size(), 104u);
    EXPECT_EQ(dl[1], "Nazwa ustawień: Moje ustawienia");
    ASSERT_EQ(dl[0].size(), std::string("Data wydruku: 06-12-2026").size());
    EXPECT_EQ(dl[0].substr(0, 14), "Data wydruku: ");

    for (const char* bad : {"6-12-2026", "2026-12-06", "06-13-2026", "aa-bb-cccc", "06/12/2026"})
        EXPECT_EQ(run({"print", path, "--date", bad}).rc, 2) << bad;
}

// pdftotext -layout's lines, page by page: blank lines dropped, each line's trailing blanks too.
// Leading blanks stay: in a monospaced font they are the listing's indentation.
std::vector<std::vector<std::string>> PdfPageLines(const std::string& text) {
    std::vector<std::vector<std::string>> pages(1);
    for (const std::string& raw : SplitLines(text)) {
        std::string line = raw;
        for (std::size_t ff; (ff = line.find('\f')) != std::string::npos;) {
            pages.emplace_back();
            line.erase(ff, 1);
        }
        const std::size_t end = line.find_last_not_of(' ');
        if (end != std::string::npos) pages.back().push_back(line.substr(0, end + 1));
    }
    if (pages.back().empty()) pages.pop_back();
    return pages;
}

TEST_F(Cli, PrintPdfWritesThePrintoutPrivatelyAsPdftotextReadsItBack) {
    if (std::system("command -v pdftotext >/dev/null 2>&1 && command -v pdfinfo >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    ModuleSettings s;
    s.slots[0].Comment = Cp("Łazienka (góra)");
    s.slots[4].Function = SendSms;
    s.slots[4].Phone = "+48601";
    s.slots[4].SmsText = Cp("Alarm \\ strefa (1) — ćma");
    s.set(IntSetting::TEST1TYPE, SendSms);
    s.TEST1PHONE = "+48602";
    // 80 letters: the longest line there can be, wider than the page's text.
    s.TEST1SMS = Cp("Zażółć gęślą jaźń ŻÓŁW Ąę Ćń Śź 0123456789 Zażółć gęślą jaźń żółw ąę ćń śź 01234");
    ASSERT_EQ(s.TEST1SMS.size(), 80u);
    const std::string path = saved("Sklep", s);
    const std::string pdf = file("wydruk.pdf");

    const CliResult r =
        run({"print", path, "--date", "06-12-2026", "--name", "Łódź – biuro Ω", "--pdf", pdf});
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, "");
    struct stat st {};
    ASSERT_EQ(::stat(pdf.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);  // it holds both PINs

    // What the file says: the printout of the settings as saved, the name's Ω (which code page
    // 1250 lacks) as "?".
    ModuleSettings back;
    ASSERT_EQ(ReadSettingsFile(path, back), ReadOutcome::Ok);
    const std::vector<std::string> lines = PrintoutLines(back, "Łódź – biuro ?", "06-12-2026");
    const auto expected = PaginatePrintout(lines, PdfPageLayout::kLineHeight, PdfPageLayout::kTextHeight);
    ASSERT_GE(expected.size(), 2u);

    ASSERT_EQ(std::system(("pdfinfo " + ShellQuote(pdf) + " >" + ShellQuote(file("info"))).c_str()), 0);
    const std::string info = Slurp(file("info"));
    const std::size_t pagesAt = info.find("Pages:");
    ASSERT_NE(pagesAt, std::string::npos) << info;
    EXPECT_EQ(std::stoul(info.substr(pagesAt + 6)), expected.size()) << info;
    ASSERT_EQ(
        std::system(
            ("pdftotext -layout -enc UTF-8 " + ShellQuote(pdf) + " " + ShellQuote(file("text"))).c_str()),
        0);
    const std::string text = Slurp(file("text"));
    const auto pages = PdfPageLines(text);
    ASSERT_EQ(pages.size(), expected.size()) << text;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::vector<std::string> want;
        for (const PrintedLine& l : expected[p])
            want.push_back(l.text.substr(0, l.text.find_last_not_of(' ') + 1));
        EXPECT_EQ(pages[p], want) << "page " << p + 1;
    }

    // A PDF that cannot be written: the reason, exit 2, nothing left behind.
    const CliResult bad = run({"print", path, "--pdf", file("missing/wydruk.pdf")});
    EXPECT_EQ(bad.rc, 2);
    EXPECT_NE(bad.err.find("missing/wydruk.pdf"), std::string::npos) << bad.err;
    EXPECT_FALSE(fs::exists(file("missing")));
}

TEST_F(Cli, DiffListsTheKeysThatDiffer) {
    const std::string a = saved("a", ModuleSettings{});
    ModuleSettings b;
    b.PIN = "1234";
    b.slots[2].Function = Ring;
    b.slots[2].setComment(Cp("Wejście\\2"));
    b.OFFRING = false;
    const std::string bp = saved("b", b);
    const CliResult r = run({"diff", a, bp});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.lines(), (std::vector<std::string>{
                             "PIN:  -> 1234",
                             "INP21C: Wejście 2 - Akumulator -> Wejście\\x5C2",
                             "INP21F: 0 -> 2",
                             "OFFRING: 1 -> 0",
                         }));
    const CliResult same = run({"diff", a, a});
    EXPECT_EQ(same.rc, 0);
    EXPECT_TRUE(same.out.empty());
}

TEST_F(Cli, RenderWritesTheUnitsThatPassAndListsTheOthers) {
    ModuleSettings t;
    t.SMSC = "+48602951111";
    const std::string tpl = saved("tpl", t);
    const std::string out = file("units/new");  // two levels that do not exist yet
    const std::string table = writeJson("t.csv",
                                        "name,PIN,INP32F,INP32P,INP32S\n"
                                        "a,1234,1,+48601000001,Alarm\n"
                                        "b,12a4,,,\n"
                                        "c,,1,+,Alarm\n");
    const mode_t oldMask = ::umask(022);  // one that lets others read, as many users have
    const CliResult r = run({"render", tpl, table, "-o", out});
    ::umask(oldMask);
    EXPECT_EQ(r.rc, 1) << r.err;
    EXPECT_EQ(r.lines(), (std::vector<std::string>{
                             "b: Niewłaściwy kod PIN karty SIM. Kod PIN powinien zawierać tylko cyfry.",
                             "c: Błędne parametry dla wejścia nr 3. Błędny numer telefonu dla wysłania SMS.",
                             "zapisano 1, odrzucono 2",
                         }));
    ModuleSettings a;
    ASSERT_EQ(ReadSettingsFile(out + "/a", a), ReadOutcome::Ok);
    EXPECT_EQ(a.PIN, "1234");
    EXPECT_EQ(a.SMSC, t.SMSC);
    EXPECT_EQ(a.slots[5].Phone, "+48601000001");
    // The units hold their PINs: the folders made for them and the files are the user's alone.
    EXPECT_EQ(fs::status(file("units")).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(out).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(out + "/a").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(out + "/b"));
    EXPECT_FALSE(fs::exists(out + "/c"));

    // A malformed table writes nothing, not even the folder, and says where the fault is.
    const std::string bad = writeJson("bad.csv", "name,PIN\nd,1234\ne,99999\n");
    const CliResult m = run({"render", tpl, bad, "-o", file("none")});
    EXPECT_EQ(m.rc, 2);
    EXPECT_NE(m.err.find("wiersz 3, kolumna 2 (PIN): za długi tekst (najwyżej 4 zn.)"), std::string::npos)
        << m.err;
    EXPECT_FALSE(fs::exists(file("none")));
}

// Lines for people follow the language (C and other languages: Polish; English when the system
// says English; --lang before either); files and machine-readable output never do.
TEST_F(Cli, LanguageOfTheLinesForPeopleOnly) {
    const std::string none = "LANGUAGE= LC_ALL= LC_MESSAGES= ";
    const std::string c = none + "LANG=C", english = none + "LANG=en_US.UTF-8";
    const std::string settings = saved("s", ModuleSettings{});
    EXPECT_EQ(run({"print", settings, "--date", "01-02-2026"}, c).lines().front(),
              "Data wydruku: 01-02-2026");
    EXPECT_EQ(run({"print", settings, "--date", "01-02-2026"}, english).lines().front(),
              "Printed on: 01-02-2026");
    EXPECT_EQ(run({"--lang", "pl", "print", settings, "--date", "01-02-2026"}, english).lines().front(),
              "Data wydruku: 01-02-2026");
    EXPECT_EQ(run({"print", settings, "--date", "01-02-2026", "--lang=en"}, c).lines().front(),
              "Printed on: 01-02-2026");
    EXPECT_EQ(run({"--lang", "de", "show", settings}, c).rc, 2);

    for (const char* command : {"show", "export"}) {
        const CliResult pl = run({command, settings}, c), en = run({command, settings}, english);
        EXPECT_EQ(pl.rc, 0);
        EXPECT_EQ(pl.out, en.out) << command;
    }
    ModuleSettings bad;
    bad.PIN = "12";
    const std::string badFile = saved("bad", bad);
    const CliResult plBad = run({"validate", badFile}, c), enBad = run({"validate", badFile}, english);
    EXPECT_EQ(plBad.rc, 1);
    EXPECT_EQ(enBad.rc, 1);
    EXPECT_EQ(enBad.lines(),
              (std::vector<std::string>{"Confirm", "Wrong SIM card PIN.", "The PIN must have 4 digits."}));
    EXPECT_NE(plBad.out, enBad.out);
    // A file written in English is the same file.
    EXPECT_EQ(run({"new", file("en")}, english).rc, 0);
    EXPECT_EQ(Slurp(file("en")), Slurp(settings));
}

// The help and the usage errors speak the chosen language too: nothing of CLI11's English is
// left in Polish, nothing Polish in English. One case per command, each a different kind of
// usage error; the commands the program lists must all be here.
TEST_F(Cli, HelpAndUsageErrorsOfEveryCommandInBothLanguages) {
    const std::string none = "LANGUAGE= LC_ALL= LC_MESSAGES= ";
    const std::vector<std::string> envs = {none + "LANG=C.UTF-8", none + "LANG=en_US.UTF-8"};
    const std::vector<std::pair<std::string, std::vector<std::string>>> usageErrors = {
        {"new", {}},                                         // the argument missing
        {"show", {"a", "b"}},                                // an argument too many
        {"export", {"--bogus", "a"}},                        // an unknown option
        {"import", {"a.json"}},                              // a required option missing
        {"validate", {}},                                    //
        {"print", {"a", "--name"}},                          // an option without its value
        {"diff", {"a"}},                                     // the second argument missing
        {"encode", {"a", "--version", "2.0"}},               // a value the option refuses
        {"decode", {"a", "--version", "1.0"}},               // -o missing
        {"program", {"a"}},                                  // no port
        {"compare", {"a", "--device", "d", "--port", "1"}},  // two ports
        {"read", {"-o", "a", "--port", "9"}},                // outside 1..8
        {"ports", {"--device", "d"}},                        // --device without --probe
        {"demo", {"a"}},                                     //
        {"render", {"a", "b"}},                              // -o missing
        {"history", {"a", "--name", "x", "--name", "y"}},    // one value given twice
    };
    // CLI11's own English: words as they stand in its help, phrases of its messages.
    const std::vector<std::string> cli11Words = {"Usage",       "Options",    "OPTIONS",  "Positionals",
                                                 "Subcommands", "SUBCOMMAND", "REQUIRED", "TEXT",
                                                 "INT",         "Needs",      "Excludes"};
    const std::vector<std::string> cli11Phrases = {"Print this help",
                                                   "Display program version",
                                                   "is required",
                                                   "not expected",
                                                   "Expected",
                                                   "Could not convert",
                                                   "Run with",
                                                   "could not be converted",
                                                   "in ["};
    const std::vector<std::string> polish = {"ą",         "ć",    "ę",     "ł",         "ń",     "ó",
                                             "ś",         "ź",    "ż",     "Ł",         "Ż",     "Opcje",
                                             "Polecenia", "PLIK", "Pomoc", "Argumenty", "wymaga"};
    auto words = [](const std::string& text) {
        std::vector<std::string> out(1);
        for (char c : text) {
            if (std::isalnum(static_cast<unsigned char>(c)))
                out.back() += c;
            else if (!out.back().empty())
                out.emplace_back();
        }
        return out;
    };
    auto checkLanguage = [&](const std::string& text, bool english, const std::string& what) {
        if (english) {
            for (const std::string& p : polish)
                EXPECT_EQ(text.find(p), std::string::npos) << what << ": " << p;
            return;
        }
        for (const std::string& w : words(text))
            EXPECT_EQ(std::find(cli11Words.begin(), cli11Words.end(), w), cli11Words.end())
                << what << ": " << w;
        for (const std::string& p : cli11Phrases)
            EXPECT_EQ(text.find(p), std::string::npos) << what << ": " << p;
    };

    for (std::size_t l = 0; l < envs.size(); ++l) {
        const bool english = l == 1;
        const std::string usage = english ? "Usage: brenvox-cli" : "Użycie: brenvox-cli";
        const CliResult top = run({"--help"}, envs[l]);
        EXPECT_EQ(top.rc, 0);
        EXPECT_NE(top.out.find(usage + " [" + (english ? "OPTIONS] COMMAND" : "OPCJE] POLECENIE")),
                  std::string::npos)
            << top.out;
        checkLanguage(top.out, english, "--help");

        // Without a command, the commands there are; with an unknown one, its name too.
        const CliResult bare = run({}, envs[l]), bogus = run({"bogus"}, envs[l]);
        EXPECT_EQ(bare.rc, 2);
        EXPECT_EQ(bogus.rc, 2);
        EXPECT_NE(bogus.err.find(english ? "Unknown command \"bogus\"." : "Nieznane polecenie \"bogus\"."),
                  std::string::npos)
            << bogus.err;
        const std::string listed = english ? "Commands: " : "Polecenia: ";
        const std::size_t at = bare.err.find(listed);
        ASSERT_NE(at, std::string::npos) << bare.err;
        std::string commands = bare.err.substr(at + listed.size());
        commands = commands.substr(0, commands.find('\n'));
        EXPECT_NE(bogus.err.find(listed + commands + "\n"), std::string::npos) << bogus.err;
        std::string covered;
        for (const auto& [command, args] : usageErrors) covered += (covered.empty() ? "" : ", ") + command;
        EXPECT_EQ(commands, covered);
        const CliResult lang = run({"--lang", "de", "show", "a"}, envs[l]);
        EXPECT_EQ(lang.rc, 2);
        EXPECT_EQ(lang.err, english ? "--lang: expected pl or en\n" : "--lang: oczekiwano pl lub en\n");

        for (const auto& [command, args] : usageErrors) {
            const CliResult help = run({command, "--help"}, envs[l]);
            EXPECT_EQ(help.rc, 0) << command;
            EXPECT_NE(help.out.find(usage + " " + command), std::string::npos) << help.out;
            checkLanguage(help.out, english, command + " --help");

            std::vector<std::string> line = {command};
            line.insert(line.end(), args.begin(), args.end());
            const CliResult wrong = run(line, envs[l]);
            EXPECT_EQ(wrong.rc, 2) << command;
            EXPECT_TRUE(wrong.out.empty()) << command << ": " << wrong.out;
            const std::string hint =
                (english ? "Help: brenvox-cli " : "Pomoc: brenvox-cli ") + command + " --help\n";
            ASSERT_GT(wrong.err.size(), hint.size()) << command;
            EXPECT_EQ(wrong.err.substr(wrong.err.size() - hint.size()), hint) << wrong.err;
            checkLanguage(wrong.err, english, command + " usage error");
        }
    }
}

}  // namespace
}  // namespace brenvox
