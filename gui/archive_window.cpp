#include "archive_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>
#include <QUrl>

#include "archive/transfer_archive.h"
#include "archive_list_model.h"
#include "cp1250_text.h"
#include "gui_style.h"
#include "question_dialog.h"
#include "settings/messages.h"
#include "settings/module_settings.h"
#include "settings/setting_values.h"
#include "settings/settings_file.h"
#include "ui_archive_window.h"

using brenvox::gui::ConfirmCaption;
using brenvox::gui::CoreText;

namespace {

QString U8(const std::string& s) {
    return QString::fromStdString(s);
}

// Widths that hold each column's longest text in the window's font ("Błąd restartu modułu -
// powtórz programowanie!" takes the rest). Fixed, so that the view never measures 10 000 rows.
constexpr int kColumnWidths[] = {118, 92, 160, 86};

}  // namespace

ArchiveWindow::ArchiveWindow(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::ArchiveWindow>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("ArchiveWindow"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    brenvox::gui::ApplyWindowLook(this);
    setFixedSize(size());
    brenvox::gui::KeepCentredOnScreen(this);

    const std::pair<QPushButton*, QStyle::StandardPixmap> pictures[] = {
        {ui->loadButton, QStyle::SP_DialogOpenButton},
        {ui->compareButton, QStyle::SP_FileDialogContentsView},
        {ui->openFolderButton, QStyle::SP_DirOpenIcon},
        {ui->closeButton, QStyle::SP_DialogCloseButton},
    };
    for (const auto& [button, picture] : pictures) {
        button->setIcon(brenvox::gui::StyleIcon(picture));
        button->setIconSize(QSize(16, 16));
    }
    ui->loadButton->setAccessibleDescription(tr("Wprowadza do programu ustawienia wybranego wpisu."));
    ui->compareButton->setAccessibleDescription(
        tr("Pokazuje różnice między ustawieniami w programie a ustawieniami wybranego wpisu."));
    ui->openFolderButton->setAccessibleDescription(tr("Otwiera folder wybranego wpisu."));

    model_ = new ArchiveListModel(this);
    QTableView* list = ui->entryTable;
    list->setModel(model_);
    list->verticalHeader()->hide();
    // One height for every row, known without asking the rows: the view then lays out any
    // number of them at once.
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    QHeaderView* header = list->horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    for (int c = 0; c < static_cast<int>(std::size(kColumnWidths)); ++c)
        list->setColumnWidth(c, kColumnWidths[c]);

    connect(ui->filterEdit, &QLineEdit::textChanged, this, &ArchiveWindow::filterChanged);
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { chosenChanged(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { chosenChanged(); });
    connect(ui->loadButton, &QPushButton::clicked, this, &ArchiveWindow::LoadChosen);
    connect(ui->compareButton, &QPushButton::clicked, this, &ArchiveWindow::ShowDifferences);
    connect(ui->openFolderButton, &QPushButton::clicked, this, &ArchiveWindow::OpenChosenFolder);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    chosenChanged();
}

ArchiveWindow::~ArchiveWindow() = default;

void ArchiveWindow::Reload(const QString& archiveDir) {
    archiveDir_ = archiveDir;
    if (!archiveDir_.isEmpty() && !archiveDir_.endsWith(QLatin1Char('/'))) archiveDir_ += QLatin1Char('/');
    brenvox::HistoryResult history;
    // Before the first transfer there is no archive folder: an empty list, not an error.
    if (!archiveDir_.isEmpty()) history = brenvox::ReadHistory(brenvox::gui::ToCorePath(archiveDir_));
    model_->setEntries(std::move(history.entries));
    if (model_->rowCount() > 0) ui->entryTable->selectRow(0);
    chosenChanged();
}

void ArchiveWindow::ShowArchive(const QString& archiveDir) {
    Reload(archiveDir);
    ui->entryTable->setFocus();
    exec();
}

const brenvox::HistoryEntry* ArchiveWindow::chosenEntry() const {
    const QModelIndex current = ui->entryTable->selectionModel()->currentIndex();
    return current.isValid() ? model_->entryAt(current.row()) : nullptr;
}

QString ArchiveWindow::chosenFolder() const {
    const brenvox::HistoryEntry* e = chosenEntry();
    return e ? archiveDir_ + brenvox::gui::FromCorePath(e->folder) : QString();
}

void ArchiveWindow::filterChanged(const QString& text) {
    model_->setFilter(text);
    if (model_->rowCount() > 0) ui->entryTable->selectRow(0);
    chosenChanged();
}

// The buttons follow the chosen entry: a read refused for its PIN keeps no settings, so there is
// nothing to load or compare. The differences shown belong to the entry they were taken for.
void ArchiveWindow::chosenChanged() {
    const QString folder = chosenFolder();
    const bool chosen = !folder.isEmpty();
    const bool hasSettings = chosen && QFileInfo(folder + QStringLiteral("/settings")).isFile();
    ui->loadButton->setEnabled(hasSettings);
    ui->compareButton->setEnabled(hasSettings);
    ui->openFolderButton->setEnabled(chosen);
    if (model_->totalCount() == 0)
        showLines({tr("Archiwum nie zawiera jeszcze żadnej transmisji.")});
    else if (chosen && !hasSettings)
        showLines({tr("Ten wpis nie zawiera ustawień.")});
    else
        showLines({});
}

void ArchiveWindow::showLines(const QStringList& lines) {
    ui->differencesText->setPlainText(lines.join(QLatin1Char('\n')));
}

void ArchiveWindow::LoadChosen() {
    const brenvox::HistoryEntry* e = chosenEntry();
    if (!e || !loader_ || !ui->loadButton->isEnabled()) return;
    const QString file = chosenFolder() + QStringLiteral("/settings");
    if (loader_(file, U8(e->name))) accept();
}

void ArchiveWindow::ShowDifferences() {
    const brenvox::HistoryEntry* e = chosenEntry();
    if (!e || !settings_ || !ui->compareButton->isEnabled()) return;
    brenvox::ModuleSettings archived;
    const QString file = chosenFolder() + QStringLiteral("/settings");
    if (brenvox::ReadSettingsFile(brenvox::gui::ToCorePath(file), archived) != brenvox::ReadOutcome::Ok) {
        showLines({CoreText(brenvox::msg::kReadError)});
        return;
    }
    const std::vector<std::string> differences = brenvox::LabelledDifferenceLines(*settings_, archived);
    if (differences.empty()) {
        showLines({tr("Ustawienia w programie i w archiwum jednakowe.")});
        return;
    }
    QStringList lines{tr("Różnice ustawień (w programie -> w archiwum):")};
    for (const std::string& line : differences) lines << U8(line);
    showLines(lines);
}

void ArchiveWindow::OpenChosenFolder() {
    const QString folder = chosenFolder();
    if (folder.isEmpty()) return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        Ask(AskButtons::Ok, AskFocus::Ok, ConfirmCaption(), tr("Nie można otworzyć folderu wpisu."),
            QDir::toNativeSeparators(folder));
}
