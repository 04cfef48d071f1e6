#pragma once
// The archive window, opened from page "1.Pliki": every transfer the program made, newest first,
// with a filter by settings name, and what can be done with one entry: load its settings into
// the program, see how they differ from the program's, open its folder.
#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

namespace Ui {
class ArchiveWindow;
}

namespace brenvox {
class ModuleSettings;
struct HistoryEntry;
}  // namespace brenvox

class ArchiveListModel;
class QItemSelection;

class ArchiveWindow : public QDialog {
    Q_OBJECT

public:
    explicit ArchiveWindow(QWidget* parent = nullptr);
    ~ArchiveWindow() override;

    // The settings the differences are taken against: the program's.
    void setSettings(const brenvox::ModuleSettings* settings) { settings_ = settings; }
    // Carries out "Wczytaj ustawienia": given the entry's settings file and its settings name
    // (UTF-8 as stored); true when the settings are now the program's, which closes the window.
    using Loader = std::function<bool(const QString& settingsFile, const QString& name)>;
    void setLoader(Loader loader) { loader_ = std::move(loader); }

    // Lists the archive folder anew, the filter kept; an archive not made yet lists nothing.
    void Reload(const QString& archiveDir);
    // Reload, then show the window modally until the user closes it.
    void ShowArchive(const QString& archiveDir);

    ArchiveListModel* model() const { return model_; }
    // The entry chosen in the list, or null; its folder.
    const brenvox::HistoryEntry* chosenEntry() const;
    QString chosenFolder() const;

    // The entry's actions (the buttons).
    void LoadChosen();        // "Wczytaj ustawienia"
    void ShowDifferences();   // "Porównaj z programem"
    void OpenChosenFolder();  // "Otwórz folder"

private:
    void chosenChanged();
    void filterChanged(const QString& text);
    void showLines(const QStringList& lines);

    std::unique_ptr<Ui::ArchiveWindow> ui;
    ArchiveListModel* model_ = nullptr;
    const brenvox::ModuleSettings* settings_ = nullptr;
    Loader loader_;
    QString archiveDir_;
};
