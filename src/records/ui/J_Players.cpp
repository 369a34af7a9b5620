#include "records/ui/J_Players.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace jw {

TfrmJPlayers2::TfrmJPlayers2(PlayerEditorMode mode, const std::string& initial, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmJPlayers2"));
    setWindowTitle(mode == PlayerEditorMode::Add ? QStringLiteral("Add a player")
                                                 : QStringLiteral("Edit a player"));
    setProperty("helpTopic", QStringLiteral("html/windows/players.htm"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("&Player's name:"), this);
    edtOperatore = new QLineEdit(QString::fromStdString(initial), this);
    edtOperatore->setObjectName(QStringLiteral("edtOperatore"));
    edtOperatore->setMaxLength(static_cast<int>(kMaxPlayerNameLength));
    edtOperatore->selectAll();
    label->setBuddy(edtOperatore);
    layout->addWidget(label);
    layout->addWidget(edtOperatore);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

std::string TfrmJPlayers2::Name() const {
    return edtOperatore->text().toStdString();
}

TfrmJPlayers::TfrmJPlayers(SettingsStore& settings, Host& host, PlayersHooks hooks,
                           const std::string& currentPlayer, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmJPlayers"));
    setWindowTitle(QStringLiteral("Players"));
    setProperty("helpTopic", QStringLiteral("html/windows/players.htm"));

    hooks.editName = [this](PlayerEditorMode mode, const std::string& initial) {
        return RunEditor(mode, initial);
    };
    auto showProgress = hooks.showRenameProgress;
    hooks.showRenameProgress = [this, showProgress](bool visible) {
        lblRename1->setVisible(visible);
        lblRename2->setVisible(visible);
        lblRename2->setText(QStringLiteral("0"));
        QApplication::processEvents();
        if (showProgress) {
            showProgress(visible);
        }
    };
    auto progress = hooks.renameProgress;
    hooks.renameProgress = [this, progress](int lines) {
        lblRename2->setText(QString::number(lines));
        lblRename2->repaint();
        if (progress) {
            progress(lines);
        }
    };
    session = std::make_unique<PlayersSession>(settings, host, std::move(hooks));

    auto* layout = new QVBoxLayout(this);
    auto* toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto addTool = [&](const char* name, const QString& text, QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(toolbar);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(text);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        toolbar->addWidget(button);
        return button;
    };
    tbNew = addTool("tbNew", QStringLiteral("&New"), QStyle::SP_FileDialogNewFolder);
    tbEdit = addTool("tbEdit", QStringLiteral("&Edit"), QStyle::SP_FileDialogDetailedView);
    tbDelete = addTool("tbDelete", QStringLiteral("&Delete"), QStyle::SP_TrashIcon);
    layout->addWidget(toolbar);

    auto* listLabel = new QLabel(QStringLiteral("&Select a player:"), this);
    lboOperatori = new QListWidget(this);
    lboOperatori->setObjectName(QStringLiteral("lboOperatori"));
    listLabel->setBuddy(lboOperatori);
    layout->addWidget(listLabel);
    layout->addWidget(lboOperatori, 1);

    auto* rename = new QHBoxLayout;
    lblRename1 = new QLabel(QStringLiteral("Working:"), this);
    lblRename1->setObjectName(QStringLiteral("lblRename1"));
    lblRename2 = new QLabel(this);
    lblRename2->setObjectName(QStringLiteral("lblRename2"));
    lblRename1->hide();
    lblRename2->hide();
    rename->addWidget(lblRename1);
    rename->addWidget(lblRename2, 1);
    layout->addLayout(rename);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOK = new QPushButton(QStringLiteral("Select"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnAnnulla = new QPushButton(QStringLiteral("Cancel"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    buttons->addWidget(btnOK);
    buttons->addWidget(btnAnnulla);
    layout->addLayout(buttons);

    connect(tbNew, &QToolButton::clicked, this, [this] { Run(&PlayersSession::Add); });
    connect(tbEdit, &QToolButton::clicked, this, [this] { Run(&PlayersSession::Edit); });
    connect(tbDelete, &QToolButton::clicked, this, [this] { Run(&PlayersSession::Delete); });
    connect(btnOK, &QPushButton::clicked, this, [this] {
        if (session->Select()) {
            accept();
        } else {
            FillList();
        }
    });
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(lboOperatori, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling) {
            session->SetSelected(row);
            UpdateButtons();
        }
    });
    connect(lboOperatori, &QListWidget::itemDoubleClicked, btnOK, &QPushButton::click);

    session->Open(currentPlayer);
    FillList();
    resize(320, 360);
}

TfrmJPlayers::~TfrmJPlayers() = default;

std::optional<std::string> TfrmJPlayers::RunEditor(PlayerEditorMode mode,
                                                   const std::string& initial) {
    TfrmJPlayers2 editor(mode, initial, this);
    if (editorAnswerer) {
        editor.show();
        editorAnswerer(editor);
        if (editor.isVisible()) {
            editor.reject();
        }
    } else {
        editor.exec();
    }
    if (editor.result() != QDialog::Accepted) {
        return std::nullopt;
    }
    return editor.Name();
}

void TfrmJPlayers::FillList() {
    filling = true;
    lboOperatori->clear();
    for (const std::string& name : session->Names()) {
        lboOperatori->addItem(QString::fromStdString(name));
    }
    lboOperatori->setCurrentRow(session->Selected());
    filling = false;
    UpdateButtons();
}

void TfrmJPlayers::UpdateButtons() {
    tbEdit->setEnabled(session->CanEdit());
    tbDelete->setEnabled(session->CanDelete());
    btnOK->setEnabled(session->CanSelect());
}

void TfrmJPlayers::Run(bool (PlayersSession::*action)()) {
    ((*session).*action)();
    FillList();
    lboOperatori->setFocus();
}

void TfrmJPlayers::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert) {
        Run(&PlayersSession::Add);
        return;
    }
    if (event->key() == Qt::Key_Delete && session->Selected() >= 0) {
        Run(&PlayersSession::Delete);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmJPlayers::done(int result) {
    // Select has stored the list already; every other way out stores it too,
    // unless a damaged name has to be renamed first.
    if (result != QDialog::Accepted && !session->Close()) {
        FillList();
        return;
    }
    QDialog::done(result);
}

}  // namespace jw
