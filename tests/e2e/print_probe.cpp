// Prints the default settings on the default printer the way "Drukuj" does, and says how many
// pages the program laid out and on which printer, for scripts/cups-test.sh to check against
// what the print queue produced. Exit code 0 printed, 2 no default printer, 1 print error.
#include <QApplication>
#include <cstdio>
#include <string>

#include "settings/module_settings.h"
#include "settings_printer.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    brenvox::ModuleSettings settings;
    const auto result = brenvox::gui::PrintSettingsOnDefaultPrinter(settings, "Nowy");
    if (!result.hasPrinter) {
        std::printf("no default printer\n");
        return 2;
    }
    std::string lines;
    for (int n : result.run.drawnLines) lines += (lines.empty() ? "" : ",") + std::to_string(n);
    std::printf("pages=%d printer=%s lines=%s lineHeight=%d pageLimit=%d\n", result.run.pages,
                result.printerName.c_str(), lines.c_str(), result.run.lineHeight, result.run.pageLimit);
    return result.run.ok ? 0 : 1;
}
