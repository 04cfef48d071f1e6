#include "settings_printer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "settings/module_settings.h"
#include "settings/printout.h"

namespace brenvox::gui {

PrintRun PrintLinesOn(QPrinter& printer, const std::vector<std::string>& utf8Lines) {
    PrintRun run;
    QPainter painter;
    if (!painter.begin(&printer)) return run;  // the print system refused the job
    // The printer's own default font, as the listing has always used; we set none.
    const QFontMetrics fm = painter.fontMetrics();
    const int lineHeight = fm.size(Qt::TextSingleLine, QStringLiteral("Xy")).height() + 2;
    const int pageHeight = printer.height();  // printable height in device units
    PrintPaginator pager(lineHeight, pageHeight);
    run.lineHeight = pager.LineHeight();
    run.pageLimit = pager.PageLimit();
    run.pages = 1;
    run.drawnLines.push_back(0);
    for (const std::string& line : utf8Lines) {
        const PrintPlacement at = pager.PrintLine(line);
        if (at.newPageBefore) {
            if (!printer.newPage()) {
                painter.end();
                return run;
            }
            ++run.pages;
            run.drawnLines.push_back(0);
        }
        if (at.draw) {
            ++run.drawnLines.back();
            painter.drawText(0, at.y + fm.ascent(),
                             QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        }
    }
    run.ok = painter.end();
    return run;
}

PrintRun PrintSettingsOn(QPrinter& printer, const ModuleSettings& settings,
                         const std::string& settingsNameUtf8) {
    return PrintLinesOn(printer, PrintoutLines(settings, settingsNameUtf8, PrintDate()));
}

bool UseDefaultPrinter(QPrinter& printer) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty()) return false;
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(info.printerName());
    return printer.isValid();
}

DefaultPrintRun PrintSettingsOnDefaultPrinter(const ModuleSettings& settings,
                                              const std::string& settingsNameUtf8) {
    DefaultPrintRun result;
    QPrinter printer(QPrinter::HighResolution);
    if (!UseDefaultPrinter(printer)) return result;
    result.hasPrinter = true;
    result.printerName = printer.printerName().toStdString();
    printer.setDocName(QStringLiteral("Brenvox"));
    result.run = PrintSettingsOn(printer, settings, settingsNameUtf8);
    return result;
}

void UsePdfFile(QPrinter& printer, const std::string& pdfPath) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfPath));
}

}  // namespace brenvox::gui
