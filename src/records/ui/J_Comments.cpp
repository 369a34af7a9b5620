#include "records/ui/J_Comments.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTime>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/Host.h"
#include "records/Comments.h"

namespace jw {

namespace {

TextStyle StyleOf(const QTextCharFormat& format) {
    TextStyle style;
    style.bold = format.fontWeight() > QFont::Normal;
    style.italic = format.fontItalic();
    style.underline = format.fontUnderline();
    return style;
}

QFont CommentFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}

}  // namespace

StyledText DocumentText(const QTextDocument& document) {
    StyledText text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            AppendRun(text, "\n", TextStyle{});
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) {
                continue;
            }
            QString part = fragment.text();
            part.replace(QChar::LineSeparator, QLatin1Char('\n'));
            AppendRun(text, part.toStdString(), StyleOf(fragment.charFormat()));
        }
    }
    return text;
}

void SetDocumentText(QTextDocument& document, const StyledText& text) {
    document.clear();
    QTextCursor cursor(&document);
    for (const StyledRun& run : text) {
        QTextCharFormat format;
        format.setFontWeight(run.style.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.style.italic);
        format.setFontUnderline(run.style.underline);
        cursor.insertText(QString::fromStdString(run.text), format);
    }
    document.setModified(false);
}

TfrmJComments::TfrmJComments(Host& hostIn, CommentsSetup setupIn, QWidget* parent)
    : QDialog(parent), host(hostIn), setup(std::move(setupIn)) {
    setObjectName(QStringLiteral("frmJComments"));
    setWindowTitle(QStringLiteral(" Comments"));
    setProperty("helpTopic", QStringLiteral("html/windows/comments.htm"));
    auto* layout = new QVBoxLayout(this);

    auto* label = new QLabel(QStringLiteral("&Comment for Layout:"), this);
    cboGame = new QComboBox(this);
    cboGame->setObjectName(QStringLiteral("cboGame"));
    label->setBuddy(cboGame);
    layout->addWidget(label);
    layout->addWidget(cboGame);

    // Plain rows of tool buttons: a tool bar would hide the last ones behind
    // its overflow arrow in a narrow window.
    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(2);
    const auto addTool = [&](const char* name, const QString& text, bool checkable) {
        auto* button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(text);
        button->setToolTip(text);
        button->setCheckable(checkable);
        button->setFocusPolicy(Qt::NoFocus);
        toolbar->addWidget(button);
        return button;
    };
    tbPlayer = addTool("tbPlayer", QStringLiteral("Insert Player's name"), false);
    tbDate = addTool("tbDate", QStringLiteral("Insert Date/Time"), false);
    tbNumber = addTool("tbNumber", QStringLiteral("Insert Game number"), false);
    toolbar->addSpacing(8);
    tbClear = addTool("tbClear", QStringLiteral("Clear comment"), false);
    toolbar->addSpacing(8);
    tbBold = addTool("tbBold", QStringLiteral("B"), true);
    tbItalic = addTool("tbItalic", QStringLiteral("I"), true);
    tbUnderline = addTool("tbUnderline", QStringLiteral("U"), true);
    tbBold->setToolTip(QStringLiteral("Bold"));
    tbItalic->setToolTip(QStringLiteral("Italic"));
    tbUnderline->setToolTip(QStringLiteral("Underline"));
    QFont face = tbBold->font();
    face.setBold(true);
    tbBold->setFont(face);
    face = tbItalic->font();
    face.setItalic(true);
    tbItalic->setFont(face);
    face = tbUnderline->font();
    face.setUnderline(true);
    tbUnderline->setFont(face);
    toolbar->addStretch(1);
    layout->addLayout(toolbar);

    editor = new QTextEdit(this);
    editor->setObjectName(QStringLiteral("reComment"));
    editor->setAcceptRichText(false);
    editor->document()->setDefaultFont(CommentFont());
    layout->addWidget(editor, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    buttons->addWidget(close);
    layout->addLayout(buttons);

    int current = -1;
    for (const std::string& name : setup.gameNames) {
        cboGame->addItem(QString::fromStdString(name));
        UpdateMarker(cboGame->count() - 1);
        if (current < 0 && name == setup.currentGame) {
            current = cboGame->count() - 1;
        }
    }
    ShowGame(current >= 0 ? current : 0);
    cboGame->setCurrentIndex(shown);

    connect(cboGame, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == shown || index < 0) {
            return;
        }
        if (!StoreShown()) {
            // The comment could not be stored: it stays in the editor.
            const QSignalBlocker block(cboGame);
            cboGame->setCurrentIndex(shown);
            return;
        }
        ShowGame(index);
    });
    connect(tbPlayer, &QToolButton::clicked, this, [this] {
        InsertLine(QStringLiteral("[Player: %1]").arg(QString::fromStdString(setup.playerName)));
    });
    connect(tbDate, &QToolButton::clicked, this, [this] {
        const QLocale locale = QLocale::system();
        InsertLine(QStringLiteral("[Date: %1 - Time: %2]")
                       .arg(locale.toString(QDate::currentDate(), QLocale::LongFormat),
                            locale.toString(QTime::currentTime(), QLocale::ShortFormat)));
    });
    connect(tbNumber, &QToolButton::clicked, this, [this] {
        InsertLine(
            QStringLiteral("[Game number = %1]").arg(QString::fromStdString(setup.gameNumber)));
    });
    connect(tbClear, &QToolButton::clicked, this, [this] {
        const std::string question =
            "Delete all comments for the game: " + cboGame->currentText().toStdString() + "?";
        if (host.ShowMessage(MessageKind::Warning, question, MessageButtons::OkCancel) ==
            MessageAnswer::Ok) {
            editor->clear();
            editor->document()->setModified(true);
        }
    });
    const auto style = [this](QToolButton* button, auto apply) {
        connect(button, &QToolButton::clicked, this, [this, apply](bool on) {
            QTextCharFormat format;
            apply(format, on);
            editor->mergeCurrentCharFormat(format);
            editor->setFocus();
        });
    };
    style(tbBold,
          [](QTextCharFormat& f, bool on) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); });
    style(tbItalic, [](QTextCharFormat& f, bool on) { f.setFontItalic(on); });
    style(tbUnderline, [](QTextCharFormat& f, bool on) { f.setFontUnderline(on); });
    connect(editor, &QTextEdit::currentCharFormatChanged, this, [this] { FollowCaret(); });
    connect(editor, &QTextEdit::cursorPositionChanged, this, [this] { FollowCaret(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(520, 380);
}

void TfrmJComments::ShowGame(int index) {
    shown = index;
    const std::string name = index >= 0 ? cboGame->itemText(index).toStdString() : std::string();
    SetDocumentText(*editor->document(), LoadComment(setup.dataFolder, name));
    editor->moveCursor(QTextCursor::End);
    tbNumber->setEnabled(setup.gameRunning && !name.empty() && name == setup.currentGame);
    FollowCaret();
}

bool TfrmJComments::StoreShown() {
    if (shown < 0 || !editor->document()->isModified()) {
        return true;
    }
    const std::string name = cboGame->itemText(shown).toStdString();
    if (!SaveComment(host, setup.dataFolder, name, DocumentText(*editor->document()))) {
        return false;
    }
    editor->document()->setModified(false);
    UpdateMarker(shown);
    return true;
}

void TfrmJComments::UpdateMarker(int index) {
    const bool has = HasComment(setup.dataFolder, cboGame->itemText(index).toStdString());
    cboGame->setItemIcon(index, has ? setup.commentMarker : QIcon());
}

void TfrmJComments::InsertLine(const QString& line) {
    QTextCursor cursor = editor->textCursor();
    if (!cursor.atBlockStart()) {
        cursor.insertBlock();
    }
    cursor.insertText(line);
    cursor.insertBlock();
    editor->setTextCursor(cursor);
    editor->setFocus();
}

void TfrmJComments::FollowCaret() {
    const TextStyle style = StyleOf(editor->currentCharFormat());
    tbBold->setChecked(style.bold);
    tbItalic->setChecked(style.italic);
    tbUnderline->setChecked(style.underline);
}

void TfrmJComments::done(int result) {
    if (!StoreShown()) {
        return;
    }
    QDialog::done(result);
}

}  // namespace jw
