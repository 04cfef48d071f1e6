// Times of the fleet commands as an installer runs them, the built brenvox-cli in a process of
// its own: render of a 1000-row table and history of an archive of 10 000 entries. Each is run
// a few times and the median printed, with the one-second budget beside it; the figures are a
// measurement, never a pass/fail gate.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/transfer_archive.h"
#include "codec/image_codec.h"
#include "settings/settings_file.h"

namespace fs = std::filesystem;
using namespace brenvox;

namespace {

constexpr int kRuns = 5;
constexpr int kUnits = 1000;
constexpr int kEntries = 10000;

double MedianMs(const std::string& command) {
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const int status = std::system(command.c_str());
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        // render exits 1 when a unit is refused; anything else means the figure is not worth printing.
        if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
            std::fprintf(stderr, "failed: %s\n", command.c_str());
            std::exit(1);
        }
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void Report(const char* what, double ms) {
    std::printf("%-40s %8.1f ms   (budget 1000 ms: %s)\n", what, ms, ms < 1000 ? "within" : "OVER");
}

}  // namespace

int main() {
    char tmpl[] = "/tmp/brenvox-fleet-bench-XXXXXX";
    if (!::mkdtemp(tmpl)) return 1;
    const fs::path dir = tmpl;
    const std::string cli = BRENVOX_CLI_PATH;

    // A template and a table that sets the texts a fleet differs in, every unit passing the checks.
    ModuleSettings base;
    base.SMSC = "+48602951111";
    WriteSettingsFile((dir / "template").string(), base);
    {
        std::ofstream t(dir / "units.csv", std::ios::binary);
        t << "name,PIN,INP32F,INP32P,INP32S,INP41C,TEST1PHONE,TEST1SMS\r\n";
        for (int i = 0; i < kUnits; ++i)
            t << "Obiekt " << i << ',' << 1000 + i % 9000 << ",1,+486010" << 10000 + i << ",\"Alarm, strefa "
              << i << "\",Czujka ruchu " << i << ",+486020" << 10000 + i << ",Test łączności " << i << "\r\n";
    }
    Report("render, 1000-row table",
           MedianMs("'" + cli + "' render '" + (dir / "template").string() + "' '" +
                    (dir / "units.csv").string() + "' -o '" + (dir / "out").string() + "' > /dev/null"));

    const fs::path archive = dir / "Archiwum";
    ArchiveRecord record;
    record.module = {2, 1, 1};
    record.image = EncodeImageV11(base);
    record.settings = base;
    for (int i = 0; i < kEntries; ++i) {
        record.mode = static_cast<OperationMode>(1 + i % 3);
        record.name = "Obiekt " + std::to_string(i % 1000);
        record.time = std::chrono::system_clock::now() - std::chrono::seconds(i * 37);
        if (!ArchiveTransfer(archive.string(), record).ok) {
            std::fprintf(stderr, "cannot build the archive in %s\n", archive.c_str());
            return 1;
        }
    }
    Report("history, 10 000 entries",
           MedianMs("'" + cli + "' history '" + archive.string() + "' > /dev/null"));
    Report("history --name, 10 000 entries",
           MedianMs("'" + cli + "' history '" + archive.string() + "' --name 'Obiekt 7' > /dev/null"));
    fs::remove_all(dir);
    return 0;
}
