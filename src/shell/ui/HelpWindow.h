// The help window: the pages of the help folder in a browser with a contents
// tree, back and forward, a search over the pages' text, links and pictures.
// One window serves the whole run; asking for a topic brings it to the front
// on that page.
//
// Context help: once InstallHelp() has run, F1 in any window opens the page
// named by the "helpTopic" property of the focused widget or of the nearest
// window above it; a window without a topic gets the front page.
#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <string>

#include "shell/HelpPages.h"

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;

namespace jw {

class Host;

class TfrmJHelp : public QWidget {
    Q_OBJECT
  public:
    // `folder` is the help folder (ends with '/').
    explicit TfrmJHelp(std::string folder, QWidget* parent = nullptr);

    // Shows `topic` (a path such as "html/rules/rules.htm"); false when the
    // page cannot be read.
    bool ShowTopic(const std::string& topic);
    // The page on show, relative to the help folder.
    std::string CurrentTopic() const;

    QTextBrowser* Browser() const { return browser; }
    QTreeWidget* Contents() const { return contents; }
    QLineEdit* SearchEdit() const { return searchEdit; }
    QListWidget* SearchResults() const { return searchResults; }
    QToolButton* BackButton() const { return backButton; }
    QToolButton* ForwardButton() const { return forwardButton; }

  private:
    void BuildContents();
    void BuildSearchIndex();
    void RunSearch();
    void SourceChanged(const QUrl& url);
    void LinkClicked(const QUrl& url);

    std::string folder;
    QTreeWidget* contents = nullptr;
    QLineEdit* searchEdit = nullptr;
    QListWidget* searchResults = nullptr;
    QTextBrowser* browser = nullptr;
    QToolButton* backButton = nullptr;
    QToolButton* forwardButton = nullptr;
    HelpSearchIndex index;
    bool indexBuilt = false;
};

// Installs the application-wide F1 handler. `host` reports a missing help
// folder; `executableFolder` (ending with '/') is where the help is looked for.
void InstallHelp(Host& host, const std::string& executableFolder);
// Removes the handler and closes the help window (the shell's end).
void UninstallHelp();

// Opens the help window on `topic`; `parent` is the window that asked (the
// help window itself is not owned by it). An unknown topic gives the front
// page; a missing help folder gives the error message.
void ShowHelpTopic(QWidget* parent, const QString& topic);
// Opens the page of `widget`'s "helpTopic", looked up through its parents.
void ShowHelpFor(QWidget* widget);
// The topic F1 in `widget` opens.
QString HelpTopicFor(const QWidget* widget);

// The help window while it exists (tests look at it).
TfrmJHelp* HelpWindowInstance();

}  // namespace jw
