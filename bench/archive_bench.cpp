// The archive window of Brenvox against an archive of 10 000 entries, as "Archiwum" on page
// "1.Pliki" opens it: the archive read (ReadHistory alone, then the whole opening: the window
// made, the list read and filled, shown and painted) and a name typed into its filter. Each is
// run a few times and the median printed, with the one-second budget beside it; the figures are
// a measurement, never a pass/fail gate. The window is drawn on Qt's offscreen platform unless
// QT_QPA_PLATFORM names another.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "archive/transfer_archive.h"
#include "archive_list_model.h"
#include "archive_window.h"
#include "codec/image_codec.h"

namespace fs = std::filesystem;
using namespace brenvox;

namespace {

constexpr int kRuns = 5;
constexpr int kEntries = 10000;

// `prepare` runs before each timed run, outside the time.
double MedianMs(
    const std::function<void()>& run, const std::function<void()>& prepare = [] {}) {
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        run();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void Report(const char* what, double ms) {
    std::printf("%-48s %8.1f ms   (budget 1000 ms: %s)\n", what, ms, ms < 1000 ? "within" : "OVER");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir scratch;
    if (!scratch.isValid()) return 1;
    const fs::path archive = QFile(scratch.path()).filesystemFileName() / "Archiwum";

    // A year of a busy installer's transfers: a thousand units, every operation and outcome.
    ModuleSettings base;
    base.SMSC = "+48602951111";
    ArchiveRecord record;
    record.module = {2, 1, 1};
    record.image = EncodeImageV11(base);
    record.settings = base;
    const char* outcomes[] = {"Success", "Success", "Success", "CheckError", "NoResponse", "PinRefused"};
    for (int i = 0; i < kEntries; ++i) {
        record.mode = static_cast<OperationMode>(1 + i % 3);
        record.name = "Obiekt " + std::to_string(i % 1000);
        record.outcome = outcomes[i % 6];
        record.time = std::chrono::system_clock::now() - std::chrono::seconds(i * 37);
        if (!ArchiveTransfer(archive.string(), record).ok) {
            std::fprintf(stderr, "cannot build the archive in %s\n", archive.c_str());
            return 1;
        }
    }
    const QString archiveDir = QString::fromStdString(archive.string());

    std::size_t listed = 0;
    Report("ReadHistory, 10 000 entries",
           MedianMs([&] { listed = ReadHistory(archive.string()).entries.size(); }));

    int rows = 0;
    Report("archive window opened, 10 000 entries", MedianMs([&] {
               ArchiveWindow window;
               window.Reload(archiveDir);
               window.show();
               QApplication::processEvents();
               window.findChild<QTableView*>(QStringLiteral("entryTable"))->viewport()->repaint();
               rows = window.model()->rowCount();
               window.hide();
           }));

    ArchiveWindow window;
    window.Reload(archiveDir);
    window.show();
    QApplication::processEvents();
    auto* filter = window.findChild<QLineEdit*>(QStringLiteral("filterEdit"));
    int filtered = 0;
    Report("filter typed (\"Obiekt 7\"), 10 000 entries", MedianMs(
                                                              [&] {
                                                                  filter->setText(QStringLiteral("Obiekt 7"));
                                                                  QApplication::processEvents();
                                                                  filtered = window.model()->rowCount();
                                                              },
                                                              [&] {
                                                                  filter->clear();
                                                                  QApplication::processEvents();
                                                              }));
    std::printf("(listed %zu entries, %d rows shown, %d after the filter)\n", listed, rows, filtered);
    window.hide();
    return 0;
}
