// Printing the settings listing into PDF files through the same code that prints on the default
// printer, read back with pdftotext: every line on the page the paginator gives it, in order.
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/cp1250.h"
#include "settings/module_settings.h"
#include "settings/printout.h"
#include "settings_printer.h"

using namespace brenvox;

namespace {

// pdftotext's text of each page, lines trimmed, empty lines dropped.
QList<QStringList> PdfPages(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    const QString all = QString::fromUtf8(p.readAllStandardOutput());
    QStringList pages = all.split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    QList<QStringList> out;
    for (const QString& page : pages) {
        QStringList lines;
        for (const QString& l : page.split(QChar('\n')))
            if (!l.trimmed().isEmpty()) lines << l.trimmed();
        out << lines;
    }
    return out;
}

int PdfPageCount(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(60000)) return -1;
    for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (l.startsWith(QStringLiteral("Pages:"))) return l.mid(6).trimmed().toInt();
    return -1;
}

QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

class TstPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyLineOnItsPage_data();
    void everyLineOnItsPage();
    void textOfEditedSettings();
    void unwritableFileIsReportedNotSilent();

private:
    // Prints `lines` into a PDF with the given page size; checks it against the paginator.
    void checkPdf(const std::vector<std::string>& lines, const QPageSize& size,
                  QPageLayout::Orientation orientation, int minPages);
    QTemporaryDir dir_;
};

void TstPrint::initTestCase() {
    QVERIFY(dir_.isValid());
#ifdef Q_OS_WIN
    QSKIP("the PDF is read back with pdftotext, a POSIX tool that a Windows program cannot start under Wine");
#endif
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

void TstPrint::checkPdf(const std::vector<std::string>& lines, const QPageSize& size,
                        QPageLayout::Orientation orientation, int minPages) {
    static int n = 0;
    const QString pdf = dir_.filePath(QStringLiteral("print%1.pdf").arg(++n));
    QPrinter printer(QPrinter::HighResolution);
    gui::UsePdfFile(printer, pdf.toStdString());
    printer.setPageSize(size);
    printer.setPageOrientation(orientation);

    const gui::PrintRun run = gui::PrintLinesOn(printer, lines);
    QVERIFY(run.ok);
    QVERIFY(run.lineHeight > 2);
    QCOMPARE(run.pageLimit, printer.height() - run.lineHeight);

    const auto expected = PaginatePrintout(lines, run.lineHeight, printer.height());
    QVERIFY2(int(expected.size()) >= minPages,
             qPrintable(QStringLiteral("only %1 page(s) for this page size").arg(expected.size())));
    QCOMPARE(run.pages, int(expected.size()));
    QCOMPARE(PdfPageCount(pdf), int(expected.size()));

    const QList<QStringList> pages = PdfPages(pdf);
    QCOMPARE(pages.size(), qsizetype(expected.size()));
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QStringList want;
        for (const PrintedLine& l : expected[size_t(p)]) want << Q(l.text).trimmed();
        QCOMPARE(pages[p], want);
    }
}

void TstPrint::everyLineOnItsPage_data() {
    QTest::addColumn<QPageSize>("size");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("minPages");
    QTest::newRow("A4 portrait") << QPageSize(QPageSize::A4) << int(QPageLayout::Portrait) << 2;
    QTest::newRow("A5 landscape") << QPageSize(QPageSize::A5) << int(QPageLayout::Landscape) << 3;
    // A very short page: a break every few lines, so breaks also fall on empty lines.
    QTest::newRow("short page") << QPageSize(QSizeF(700, 60), QPageSize::Point) << int(QPageLayout::Portrait)
                                << 15;
}

void TstPrint::everyLineOnItsPage() {
    QFETCH(QPageSize, size);
    QFETCH(int, orientation);
    QFETCH(int, minPages);
    ModuleSettings s;
    const auto lines = PrintoutLines(s, "Nowy", "06-12-2026");
    QCOMPARE(lines.size(), size_t(104));
    checkPdf(lines, size, QPageLayout::Orientation(orientation), minPages);
}

void TstPrint::textOfEditedSettings() {
    // Polish letters, quotes and a RING slot, printed through the settings entry point.
    ModuleSettings s;
    s.slots[4].Function = SendSms;
    s.slots[4].Reaction = OnClosing;
    s.slots[4].setPhone("+48601234567");
    s.slots[4].setSmsText("Alarm \"strefa 1\"");
    s.slots[4].setComment(Utf8ToCp1250("Czujka w kuchni - żółć").bytes);
    s.slots[9].Function = Ring;
    s.slots[9].setPhone("123456789");
    s.OFFTIME = true;
    s.set(IntSetting::OFFTIMEVAL, 60);

    const QString pdf = dir_.filePath(QStringLiteral("edited.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    gui::UsePdfFile(printer, pdf.toStdString());
    printer.setPageSize(QPageSize(QPageSize::A4));
    // The day may change while the job is printed: the date is then one of the two.
    const QString dayBefore = Q("Data wydruku: " + PrintDate());
    const gui::PrintRun run = gui::PrintSettingsOn(printer, s, "Dom Kowalskich");
    QVERIFY(run.ok);
    const QString dayAfter = Q("Data wydruku: " + PrintDate());

    QStringList all;
    for (const QStringList& page : PdfPages(pdf)) all += page;
    QVERIFY2(all.value(0) == dayBefore || all.value(0) == dayAfter, qPrintable(all.value(0)));
    QCOMPARE(all.value(1), QStringLiteral("Nazwa ustawień: Dom Kowalskich"));
    const qsizetype at = all.indexOf(QStringLiteral("Opis: Czujka w kuchni - żółć"));
    QVERIFY(at > 0);
    QCOMPARE(all.value(at - 1), QStringLiteral("Pin8 - We3 - Alarm"));
    QCOMPARE(all.mid(at + 1, 4),
             (QStringList{QStringLiteral("Funkcja: Wysłanie SMS"), QStringLiteral("Telefon: +48601234567"),
                          QStringLiteral("Treść: \"Alarm \"strefa 1\"\""),
                          QStringLiteral("Reaguje na: zwarcie")}));
    QVERIFY(all.contains(QStringLiteral("Funkcja: Wysłanie RING")));
    QVERIFY(all.contains(QStringLiteral("Wyłączaj wyjście po czasie 60: TAK")));
    QCOMPARE(all.last(), QStringLiteral("Koniec wydruku."));
}

void TstPrint::unwritableFileIsReportedNotSilent() {
    QPrinter printer(QPrinter::HighResolution);
    gui::UsePdfFile(printer, dir_.filePath(QStringLiteral("no/such/folder/x.pdf")).toStdString());
    const gui::PrintRun run = gui::PrintLinesOn(printer, {"a", "b"});
    QVERIFY(!run.ok);
}

QTEST_MAIN(TstPrint)
#include "tst_print.moc"
