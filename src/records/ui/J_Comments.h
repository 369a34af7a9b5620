// The comments window (" Comments"): a game chosen in a list of all games,
// its comment in a rich-text editor with bold, italic and underline, and
// buttons that insert the player's name, the date and time and the game
// number. The comment is stored when another game is chosen and when the
// window closes.
#pragma once

#include <QDialog>
#include <QIcon>
#include <string>
#include <vector>

#include "records/RichText.h"

class QComboBox;
class QTextDocument;
class QTextEdit;
class QToolButton;

namespace jw {

class Host;

struct CommentsSetup {
    std::string dataFolder;
    // Every game by name, built-in and custom, in the order shown.
    std::vector<std::string> gameNames;
    std::string currentGame;
    std::string playerName;
    std::string gameNumber;
    bool gameRunning = false;
    // The marker of a game that has a comment.
    QIcon commentMarker;
};

// The editor's document as styled runs, and styled runs into a document.
StyledText DocumentText(const QTextDocument& document);
void SetDocumentText(QTextDocument& document, const StyledText& text);

class TfrmJComments : public QDialog {
    Q_OBJECT
  public:
    TfrmJComments(Host& host, CommentsSetup setup, QWidget* parent = nullptr);

    QComboBox* GameBox() const { return cboGame; }
    QTextEdit* Editor() const { return editor; }
    QToolButton* PlayerButton() const { return tbPlayer; }
    QToolButton* DateButton() const { return tbDate; }
    QToolButton* NumberButton() const { return tbNumber; }
    QToolButton* ClearButton() const { return tbClear; }
    QToolButton* BoldButton() const { return tbBold; }
    QToolButton* ItalicButton() const { return tbItalic; }
    QToolButton* UnderlineButton() const { return tbUnderline; }

    void done(int result) override;

  private:
    void ShowGame(int index);
    // Stores the comment shown when it was changed; false when it could not
    // be stored (the editor keeps it).
    bool StoreShown();
    void InsertLine(const QString& line);
    void FollowCaret();
    void UpdateMarker(int index);

    Host& host;
    CommentsSetup setup;
    QComboBox* cboGame = nullptr;
    QTextEdit* editor = nullptr;
    QToolButton* tbPlayer = nullptr;
    QToolButton* tbDate = nullptr;
    QToolButton* tbNumber = nullptr;
    QToolButton* tbClear = nullptr;
    QToolButton* tbBold = nullptr;
    QToolButton* tbItalic = nullptr;
    QToolButton* tbUnderline = nullptr;
    int shown = -1;
};

}  // namespace jw
