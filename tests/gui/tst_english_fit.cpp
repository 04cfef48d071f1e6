// In English every text fits its control: the forms were laid out around the Polish texts, so an
// English one that is longer would be cut off. A program of its own, because the translation is
// installed for the whole process.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "archive_window.h"
#include "main_window.h"
#include "module_finder_dialog.h"
#include "module_pin_dialog.h"
#include "pages/inputs_page.h"
#include "pages/module_page.h"
#include "progress_window.h"
#include "qt_translations.h"
#include "question_dialog.h"

namespace {

QString Shown(QString text) {
    return text.remove(QLatin1Char('&'));
}

int WidestLine(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

// Every label, button, group box title and list heading of `top` that is on screen and wider than its room,
// as "name: text".
QStringList Clipped(QWidget* top) {
    QStringList clipped;
    auto check = [&](QWidget* w, const QString& text, int need, int room) {
        if (!text.isEmpty() && w->isVisibleTo(top) && need > room)
            clipped << QStringLiteral("%1: \"%2\" needs %3 of %4 px")
                           .arg(w->objectName(), text)
                           .arg(need)
                           .arg(room);
    };
    for (QLabel* l : top->findChildren<QLabel*>()) {
        // A word-wrapped label breaks a long text into lines; only a word of its own can stick out.
        const QStringList parts = l->wordWrap() ? l->text().split(QRegularExpression(QStringLiteral("\\s+")))
                                                : QStringList{l->text()};
        const int room = l->contentsRect().width() - 2 * l->margin() - std::max(0, l->indent());
        for (const QString& part : parts) check(l, part, WidestLine(l->fontMetrics(), part), room);
    }
    for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
        int beside = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        QStyle* s = b->style();
        if (qobject_cast<QCheckBox*>(b))
            beside = s->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) +
                     s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
        else if (qobject_cast<QRadioButton*>(b))
            beside = s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
                     s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b);
        const QString text = Shown(b->text());
        check(b, text, b->fontMetrics().horizontalAdvance(text) + beside, b->contentsRect().width());
    }
    for (QGroupBox* g : top->findChildren<QGroupBox*>())
        check(g, g->title(), g->fontMetrics().horizontalAdvance(g->title()), g->contentsRect().width());
    for (QHeaderView* h : top->findChildren<QHeaderView*>())
        for (int i = 0; h->orientation() == Qt::Horizontal && i < h->count(); ++i) {
            const QString text = h->model()->headerData(i, Qt::Horizontal).toString();
            check(h, text, h->fontMetrics().horizontalAdvance(text) + 8, h->sectionSize(i));
        }
    for (QTabBar* bar : top->findChildren<QTabBar*>())
        for (int i = 0; i < bar->count(); ++i)
            check(bar, bar->tabText(i),
                  bar->fontMetrics().horizontalAdvance(bar->tabText(i)) + bar->iconSize().width(),
                  bar->tabRect(i).width());
    return clipped;
}

}  // namespace

class TestEnglishFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(brenvox::gui::LoadTranslations(*qApp, brenvox::Language::English)); }

    void everyPageAndDialog() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        MainWindow w({dir.path(), {}});
        w.show();
        QVERIFY(QTest::qWaitFor([&] { return w.startedUp(); }, 30000));
        auto* pages = w.findChild<QTabWidget*>(QStringLiteral("pageTabs"));
        // The catalogue is in: a test of Polish texts would pass whatever the translation.
        QCOMPARE(pages->tabText(0), QStringLiteral("1.Files"));
        QStringList clipped;
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            clipped << Clipped(&w);
        }
        // Each input has its own descriptions and switch texts.
        pages->setCurrentIndex(2);
        for (int slot = 0; slot < 16; ++slot) {
            w.pages().inputs->selectSlot(slot);
            clipped << Clipped(&w);
        }
        brenvox::DeviceProbe found;
        found.device = {"/dev/ttyACM0"};
        found.result.opened = found.result.answered = true;
        found.result.module = {1, 1, 1};
        w.pages().module->showFoundModule(found);
        pages->setCurrentIndex(7);
        clipped << Clipped(&w);

        ModulePinDialog* pin = PinDialog();
        pin->show();
        clipped << Clipped(pin);
        pin->hide();
        ProgressWindow progress(&w);
        progress.show();
        clipped << Clipped(&progress);
        ModuleFinderDialog finder(&w);
        finder.showAsking(8, 9, QStringLiteral("/dev/ttyUSB10"));
        finder.show();
        clipped << Clipped(&finder);
        ArchiveWindow archive(&w);
        archive.show();
        clipped << Clipped(&archive);
        clipped.removeDuplicates();
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestEnglishFit)
#include "tst_english_fit.moc"
