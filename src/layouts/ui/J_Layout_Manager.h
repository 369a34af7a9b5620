// The layout manager: the player's own layouts with a preview, and the
// buttons that make, edit, delete, duplicate, rename, import, export and
// play them; and the name dialog it shares with the layout editor.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "layouts/LayoutManager.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace jw {

class GamePreview;
class Host;
class ResourceStore;
class SettingsStore;

// The name dialog ("Save Layout", "Rename Layout", "Duplicate Layout"):
// OK closes it only when the name passes the checks.
class TfrmJLayoutSave : public QDialog {
    Q_OBJECT
  public:
    TfrmJLayoutSave(Host& host, const CustomLayouts& layouts, NameUse use, const std::string& name,
                    QWidget* parent = nullptr);
    std::string Name() const;
    QLineEdit* NameField() const { return field; }
    QPushButton* OkButton() const { return okButton; }

  private:
    void Ok();

    Host& host;
    const CustomLayouts& layouts;
    NameUse use;
    std::string oldName;
    QLineEdit* field = nullptr;
    QPushButton* okButton = nullptr;
};

struct LayoutManagerSetup {
    Host* host = nullptr;
    SettingsStore* settings = nullptr;
    const ResourceStore* library = nullptr;
    const CustomLayouts* layouts = nullptr;
    std::string dataFolder;
    // The name of the layout being played, selected at opening.
    std::string currentLayout;
    // Ends the running game when it is this layout's (may refuse), and
    // forgets a deleted layout everywhere else.
    std::function<bool(GameId)> release;
    std::function<void(GameId)> purge;
    // Starts a new deal of a layout.
    std::function<void(GameId)> play;
    // Enters the layout editor with a layout, or with none; absent: "New"
    // and "Edit" stay off.
    std::function<void(std::optional<GameId>)> edit;
    // Answers the name dialog instead of the player when set (tests).
    std::function<void(TfrmJLayoutSave&)> nameAnswerer;
};

class TfrmJLayoutManager : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmJLayoutManager(LayoutManagerSetup setup, QWidget* parent = nullptr);
    ~TfrmJLayoutManager() override;

    // The selected layout, if any.
    std::optional<LayoutEntry> Selected() const;
    bool Select(const std::string& name);

    // For the window's tests and screenshots.
    QTreeWidget* List() const { return list; }
    QLabel* NameLabel() const { return nameLabel; }
    QLabel* TilesLabel() const { return tilesLabel; }
    QLabel* PreviewPicture() const { return picture; }
    QToolButton* Button(const char* objectName) const;
    QPushButton* PlayButton() const { return playButton; }

  private:
    void Fill(const std::string& select);
    void SelectionChanged();
    void Delete();
    void Rename();
    void Duplicate();
    void Import();
    void Export();
    void Play();
    void Edit(std::optional<GameId> id);
    // The name dialog; the accepted name, or nothing.
    std::optional<std::string> AskName(NameUse use, const std::string& name);

    LayoutManagerSetup setup;
    LayoutManager manager;
    std::unique_ptr<GamePreview> preview;
    QTreeWidget* list = nullptr;
    QLabel* picture = nullptr;
    QLabel* nameLabel = nullptr;
    QLabel* tilesLabel = nullptr;
    QLabel* levelsLabel = nullptr;
    QPushButton* playButton = nullptr;
};

}  // namespace jw
