#include "layouts/ui/J_Options_Advanced.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Host.h"
#include "platform/ResourceStore.h"
#include "presentation/ui/QtPicture.h"

namespace jw {
namespace {

constexpr int kPointerPicture = 35;

// The pointer entries with the library pictures that show them.
constexpr std::array<std::pair<const char*, const char*>, 6> kPointerEntries = {{
    {"Arrow small", "CUR_ARROW1A"},
    {"Arrow large", "CUR_ARROW2A"},
    {"Right-hand 1", "CUR_RIGHT_HAND1A"},
    {"Right-hand 2", "CUR_RIGHT_HAND2A"},
    {"Left-hand 1", "CUR_LEFT_HAND1A"},
    {"Left-hand 2", "CUR_LEFT_HAND2A"},
}};

// A pointer picture centred on a 35 x 35 transparent square.
QIcon PointerIcon(const ResourceStore* library, const char* name) {
    QPixmap square(kPointerPicture, kPointerPicture);
    square.fill(Qt::transparent);
    if (library != nullptr) {
        QImage image = LibraryPicture(*library, "CURSOR", name);
        if (!image.isNull()) {
            if (image.width() > kPointerPicture || image.height() > kPointerPicture) {
                image = image.scaled(kPointerPicture, kPointerPicture, Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation);
            }
            QPainter painter(&square);
            painter.drawImage((kPointerPicture - image.width()) / 2,
                              (kPointerPicture - image.height()) / 2, image);
        }
    }
    return QIcon(square);
}

}  // namespace

TfrmJOptionsAdvanced::TfrmJOptionsAdvanced(Host& host, const CustomizeValues& valuesIn,
                                           const std::string& defaultFolder,
                                           const std::string& currentFolder,
                                           const ResourceStore* library,
                                           const std::string& programName, QWidget* parent)
    : QDialog(parent), host(host), values(valuesIn) {
    setObjectName(QStringLiteral("TfrmJOptionsAdvanced"));
    setWindowTitle(QStringLiteral("Advanced options"));
    setProperty("helpTopic", QStringLiteral("html/windows/customize.htm"));
    pages = new QTabWidget(this);

    // "Dialog box"
    auto* dialogs = new QWidget;
    auto* dialogsLayout = new QVBoxLayout(dialogs);
    dialogsLayout->addWidget(
        new QLabel(QStringLiteral("Select the dialog box you want to display:")));
    auto* list = new QGroupBox(QStringLiteral("Dialog box list "));
    auto* listLayout = new QVBoxLayout(list);
    const auto box = [&](const char* caption, bool on) {
        auto* check = new QCheckBox(QString::fromLatin1(caption));
        check->setChecked(on);
        listLayout->addWidget(check);
        return check;
    };
    chkConfirmOnExit = box("Confirm on e&xit", values.confirmOnExit);
    chkConfirmQuitGame = box("C&onfirm quit game", values.confirmQuitGame);
    chkConfirmEnterHiScores = box("Enter &Hi-Scores", values.confirmEnterHiScores);
    chkConfirmGameWon = box("Game &Won", values.showGameWon);
    dialogsLayout->addWidget(list);
    dialogsLayout->addStretch();
    pages->addTab(dialogs, QStringLiteral("&Dialog box"));

    // "Hold and exit"
    auto* hold = new QWidget;
    auto* holdLayout = new QVBoxLayout(hold);
    auto* exitBox = new QGroupBox(QStringLiteral("What would you like to do upon exiting? "));
    auto* exitLayout = new QVBoxLayout(exitBox);
    rbSaveAndExitSignal =
        new QRadioButton(QStringLiteral("&Display a message for any unfinished games"));
    rbSaveAndExitNone = new QRadioButton(QStringLiteral("&Never display a message and:"));
    cboSaveAndExitNone = new QComboBox;
    cboSaveAndExitNone->addItems({QStringLiteral("abandon the game (1 loss)"),
                                  QStringLiteral("finish the game later (no loss)")});
    cboSaveAndExitNone->setCurrentIndex(values.exitType);
    exitLayout->addWidget(rbSaveAndExitSignal);
    exitLayout->addWidget(rbSaveAndExitNone);
    exitLayout->addWidget(cboSaveAndExitNone);
    (values.askAtExit ? rbSaveAndExitSignal : rbSaveAndExitNone)->setChecked(true);
    cboSaveAndExitNone->setEnabled(!values.askAtExit);
    connect(rbSaveAndExitNone, &QRadioButton::toggled, cboSaveAndExitNone, &QComboBox::setEnabled);
    holdLayout->addWidget(exitBox);
    holdLayout->addStretch();
    pages->addTab(hold, QStringLiteral("&Hold and exit"));

    // "Statistics"
    auto* stats = new QWidget;
    auto* statsLayout = new QVBoxLayout(stats);
    statsLayout->addWidget(new QLabel(QStringLiteral("Statistics on/off")));
    chkDisableStatistics = new QCheckBox(QStringLiteral("&Disable all statistics"));
    chkDisableStatistics->setChecked(values.disableStatistics);
    statsLayout->addWidget(chkDisableStatistics);
    auto* clearBox = new QGroupBox(QStringLiteral("Clear statistics values "));
    auto* clearLayout = new QVBoxLayout(clearBox);
    btnClearValues = new QPushButton(QStringLiteral("Clear &values..."));
    // The clear-values window comes with the statistics windows.
    btnClearValues->setEnabled(false);
    clearLayout->addWidget(btnClearValues, 0, Qt::AlignLeft);
    statsLayout->addWidget(clearBox);
    statsLayout->addStretch();
    pages->addTab(stats, QStringLiteral("&Statistics"));

    // "Store Folder"
    openingFolder = OpenStoreFolder(defaultFolder, currentFolder);
    tabStoreFolder = new QWidget;
    auto* storeLayout = new QVBoxLayout(tabStoreFolder);
    auto* radios = new QGroupBox(QStringLiteral("Store Folder "));
    auto* radiosLayout = new QVBoxLayout(radios);
    chkFolderDefault =
        new QRadioButton(QString::fromStdString(programName) + QStringLiteral(" default Folder"));
    chkFolderOther = new QRadioButton(QStringLiteral("Other Folder"));
    radiosLayout->addWidget(chkFolderDefault);
    radiosLayout->addWidget(chkFolderOther);
    storeLayout->addWidget(radios);
    grbFolder = new QGroupBox;
    auto* folderLayout = new QHBoxLayout(grbFolder);
    memDataFolder = new QLineEdit(QString::fromStdString(openingFolder.defaultText));
    memDataFolder->setReadOnly(true);
    edtFolderOther = new QLineEdit(QString::fromStdString(openingFolder.otherText));
    btnBrowseFolder = new QPushButton(QStringLiteral("Browse..."));
    connect(btnBrowseFolder, &QPushButton::clicked, this,
            &TfrmJOptionsAdvanced::btnBrowseFolderClick);
    folderLayout->addWidget(memDataFolder);
    folderLayout->addWidget(edtFolderOther);
    folderLayout->addWidget(btnBrowseFolder);
    storeLayout->addWidget(grbFolder);
    storeLayout->addStretch();
    (openingFolder.other ? chkFolderOther : chkFolderDefault)->setChecked(true);
    connect(chkFolderOther, &QRadioButton::toggled, this, &TfrmJOptionsAdvanced::ShowFolderBox);
    ShowFolderBox();
    pages->addTab(tabStoreFolder, QStringLiteral("Store Folder"));

    // "Pointers"
    auto* pointers = new QWidget;
    auto* pointersLayout = new QVBoxLayout(pointers);
    pointersLayout->addWidget(new QLabel(QStringLiteral("Select the mouse pointer you prefer:")));
    lvCursors = new QListWidget;
    lvCursors->setViewMode(QListView::IconMode);
    lvCursors->setIconSize(QSize(kPointerPicture, kPointerPicture));
    lvCursors->setGridSize(QSize(90, 70));
    lvCursors->setMovement(QListView::Static);
    lvCursors->setResizeMode(QListView::Adjust);
    for (const auto& [caption, picture] : kPointerEntries) {
        new QListWidgetItem(PointerIcon(library, picture), QString::fromLatin1(caption), lvCursors);
    }
    lvCursors->setCurrentRow(PointerEntryOf(values.pointer));
    if (PointerEntryOf(values.pointer) < 0) {
        lvCursors->clearSelection();
    }
    pointersLayout->addWidget(lvCursors);
    pages->addTab(pointers, QStringLiteral("&Pointers"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmJOptionsAdvanced::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(this, &press);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    resize(540, 330);
}

void TfrmJOptionsAdvanced::ShowFolderBox() {
    const bool other = chkFolderOther->isChecked();
    memDataFolder->setVisible(!other);
    edtFolderOther->setVisible(other);
    btnBrowseFolder->setVisible(other);
    grbFolder->setTitle((other ? chkFolderOther : chkFolderDefault)->text() + QLatin1Char(' '));
}

StoreFolderChoice TfrmJOptionsAdvanced::CurrentFolderChoice() const {
    StoreFolderChoice now = openingFolder;
    now.other = chkFolderOther->isChecked();
    now.otherText = edtFolderOther->text().toStdString();
    return now;
}

void TfrmJOptionsAdvanced::btnBrowseFolderClick() {
    std::string start = edtFolderOther->text().toStdString();
    if (start.empty()) {
        start = host.DocumentsFolder();
        if (start.empty()) {
            host.ShowMessage(MessageKind::Error, "Cannont find personal documents folder",
                             MessageButtons::Ok);
            return;
        }
    }
    const auto choose = chooseFolder ? chooseFolder : [this](const std::string& from) {
        const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Browse"),
                                                                 QString::fromStdString(from));
        return chosen.isEmpty() ? std::nullopt : std::optional<std::string>(chosen.toStdString());
    };
    if (const auto chosen = choose(start)) {
        edtFolderOther->setText(QString::fromStdString(*chosen));
    }
    edtFolderOther->setText(
        QString::fromStdString(WithFolderSeparator(edtFolderOther->text().toStdString())));
}

void TfrmJOptionsAdvanced::btnOKClick() {
    const StoreFolderDecision decision =
        DecideStoreFolder(host, openingFolder, CurrentFolderChoice());
    if (decision.answer == StoreFolderAnswer::Stay) {
        pages->setCurrentWidget(tabStoreFolder);
        if (chkFolderOther->isChecked()) {
            edtFolderOther->setFocus();
        }
        return;
    }
    if (decision.answer == StoreFolderAnswer::Change) {
        if (changeDataFolder) {
            changeDataFolder(decision.newFolder);
        }
        reject();
        return;
    }
    values.confirmOnExit = chkConfirmOnExit->isChecked();
    values.confirmQuitGame = chkConfirmQuitGame->isChecked();
    values.confirmEnterHiScores = chkConfirmEnterHiScores->isChecked();
    values.showGameWon = chkConfirmGameWon->isChecked();
    values.askAtExit = rbSaveAndExitSignal->isChecked();
    values.exitType = cboSaveAndExitNone->currentIndex();
    values.disableStatistics = chkDisableStatistics->isChecked();
    const QList<QListWidgetItem*> selected = lvCursors->selectedItems();
    values.pointer = PointerOfEntry(selected.isEmpty() ? -1 : lvCursors->row(selected.front()));
    accept();
}

}  // namespace jw
