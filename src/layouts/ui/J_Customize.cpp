#include "layouts/ui/J_Customize.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/Host.h"
#include "platform/ResourceStore.h"
#include "presentation/ui/QtPicture.h"

namespace jw {
namespace {

constexpr int kNumberRole = Qt::UserRole;

// A picture of the resource library, or the style's stand-in when the
// library lacks it.
QIcon PictureIcon(const ResourceStore* library, const char* name, QStyle::StandardPixmap fallback) {
    if (library != nullptr) {
        const QIcon icon = KeyedIcon(LibraryPicture(*library, "BITMAP", name));
        if (!icon.isNull()) {
            return icon;
        }
    }
    return QApplication::style()->standardIcon(fallback);
}

QButtonGroup* RadioGroup(QWidget* owner, QVBoxLayout* layout, const QStringList& captions,
                         int checked) {
    auto* group = new QButtonGroup(owner);
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i]);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    if (QAbstractButton* button = group->button(checked)) {
        button->setChecked(true);
    }
    return group;
}

QWidget* WithNote(QCheckBox* box, const QString& note) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    layout->addWidget(new QLabel(note));
    layout->addStretch();
    return row;
}

}  // namespace

TfrmJCustomize::TfrmJCustomize(Host& host, SettingsStore& settings, const ResourceStore* library,
                               int page, QWidget* parent)
    : QDialog(parent),
      host(host),
      settings(settings),
      library(library),
      values(LoadCustomizeValues(settings)),
      sounds(host) {
    setObjectName(QStringLiteral("TfrmJCustomize"));
    setWindowTitle(QStringLiteral("Customize"));
    setProperty("helpTopic", QStringLiteral("html/windows/customize.htm"));
    sounds.Load(settings);

    pages = new QTabWidget(this);
    BuildGeneralPage();
    BuildSoundsPage();

    auto* buttons = new QDialogButtonBox(this);
    btnAdvanced = buttons->addButton(QStringLiteral("A&dvanced..."), QDialogButtonBox::ResetRole);
    connect(btnAdvanced, &QPushButton::clicked, this, [this] {
        if (openAdvanced) {
            openAdvanced(values);
        }
    });
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Cancel);
    auto* help = buttons->addButton(QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmJCustomize::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(this, &press);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);

    RefreshSoundPictures();
    RefreshSoundButtons();
    pages->setCurrentIndex(page == 1 ? 1 : 0);
}

TfrmJCustomize::~TfrmJCustomize() = default;

void TfrmJCustomize::BuildGeneralPage() {
    auto* general = new QWidget;
    auto* layout = new QVBoxLayout(general);

    layout->addWidget(new QLabel(QStringLiteral("Set the level of the Undo/Redo option:")));
    auto* undoBox = new QGroupBox(QStringLiteral("Undo/Redo options "));
    auto* undoLayout = new QVBoxLayout(undoBox);
    rgUndoOptions = RadioGroup(this, undoLayout,
                               {QStringLiteral("U&nlimited levels"),
                                QStringLiteral("Only one &undo/redo"), QStringLiteral("Di&sable")},
                               values.undoItem);
    connect(rgUndoOptions, &QButtonGroup::idClicked, this,
            [this](int id) { values.undoItem = id; });
    layout->addWidget(undoBox);

    auto* toolbarBox = new QGroupBox(QStringLiteral("Toolbar "));
    auto* toolbarLayout = new QHBoxLayout(toolbarBox);
    auto* styleBox = new QGroupBox(QStringLiteral("Style "));
    auto* styleLayout = new QVBoxLayout(styleBox);
    rgToolbarStyle =
        RadioGroup(this, styleLayout,
                   {QStringLiteral("Office"), QStringLiteral("Flat"), QStringLiteral("XP/Vista")},
                   values.toolbarStyleItem);
    connect(rgToolbarStyle, &QButtonGroup::idClicked, this,
            [this](int id) { values.toolbarStyleItem = id; });
    toolbarLayout->addWidget(styleBox);
    btnResetToolbar = new QPushButton(QStringLiteral("Reset Toolbars..."));
    connect(btnResetToolbar, &QPushButton::clicked, this, &TfrmJCustomize::btnResetToolbarClick);
    toolbarLayout->addWidget(btnResetToolbar, 0, Qt::AlignTop);
    layout->addWidget(toolbarBox);

    auto* optionsBox = new QGroupBox(QStringLiteral("Options "));
    auto* optionsLayout = new QVBoxLayout(optionsBox);
    chkMainPopupMenu = new QCheckBox(QStringLiteral("Popup menu in main play a&rea"));
    chkMainPopupMenu->setChecked(values.mainPopupMenu);
    connect(chkMainPopupMenu, &QCheckBox::toggled, this,
            [this](bool on) { values.mainPopupMenu = on; });
    optionsLayout->addWidget(
        WithNote(chkMainPopupMenu, QStringLiteral("(Ctrl + Right click on the area)")));
    chkPartialHiddenCard = new QCheckBox(QStringLiteral("Reveal a partially hidden tile"));
    chkPartialHiddenCard->setChecked(values.revealPartialTile);
    connect(chkPartialHiddenCard, &QCheckBox::toggled, this,
            [this](bool on) { values.revealPartialTile = on; });
    optionsLayout->addWidget(
        WithNote(chkPartialHiddenCard, QStringLiteral("(Ctrl + Right click on the tile)")));
    layout->addWidget(optionsBox);

    auto* animationBox = new QGroupBox(QStringLiteral("Winning animations "));
    auto* animationLayout = new QHBoxLayout(animationBox);
    cboWinningAnim = new QComboBox;
    for (std::string_view name : kWinningAnimationList) {
        cboWinningAnim->addItem(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    }
    cboWinningAnim->setCurrentIndex(values.animationItem);
    connect(cboWinningAnim, &QComboBox::currentIndexChanged, this, [this](int item) {
        values.animationItem = item;
        ShowAnimationControls();
    });
    animationLayout->addWidget(cboWinningAnim);
    auto* timeLabel = new QLabel(QStringLiteral("&Time:"));
    edtWinningTime = new QLineEdit(QString::fromStdString(values.winningTime));
    edtWinningTime->setReadOnly(true);
    edtWinningTime->setMaximumWidth(48);
    timeLabel->setBuddy(edtWinningTime);
    spnUp = new QToolButton;
    spnUp->setArrowType(Qt::UpArrow);
    spnDown = new QToolButton;
    spnDown->setArrowType(Qt::DownArrow);
    connect(spnUp, &QToolButton::clicked, this, [this] { StepTime(+1); });
    connect(spnDown, &QToolButton::clicked, this, [this] { StepTime(-1); });
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(spnUp);
    spin->addWidget(spnDown);
    animationLayout->addWidget(timeLabel);
    animationLayout->addWidget(edtWinningTime);
    animationLayout->addLayout(spin);
    animationLayout->addWidget(new QLabel(QStringLiteral("seconds")));
    btnWinningPreview = new QPushButton(QStringLiteral("Pre&view"));
    connect(btnWinningPreview, &QPushButton::clicked, this, [this] { done(kPreviewRequested); });
    animationLayout->addWidget(btnWinningPreview);
    layout->addWidget(animationBox);
    layout->addStretch();
    ShowAnimationControls();

    pages->addTab(general, QStringLiteral("&General"));
}

void TfrmJCustomize::BuildSoundsPage() {
    auto* soundsPage = new QWidget;
    auto* layout = new QHBoxLayout(soundsPage);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Events:")));
    trvSounds = new QTreeWidget;
    trvSounds->setHeaderHidden(true);
    trvSounds->setRootIsDecorated(false);
    trvSounds->setItemsExpandable(false);
    trvSounds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QIcon groupIcon = PictureIcon(library, "N_TREE5", QStyle::SP_DirIcon);
    QTreeWidgetItem* group = nullptr;
    std::string_view groupName;
    for (const SoundTestEntry& entry : SoundTestEntries()) {
        if (group == nullptr || entry.group != groupName) {
            groupName = entry.group;
            group = new QTreeWidgetItem(trvSounds);
            group->setText(0,
                           QString::fromUtf8(groupName.data(), static_cast<int>(groupName.size())));
            group->setIcon(0, groupIcon);
            group->setData(0, kNumberRole, 0);
        }
        auto* item = new QTreeWidgetItem(group);
        item->setText(
            0, QString::fromUtf8(entry.caption.data(), static_cast<int>(entry.caption.size())));
        item->setData(0, kNumberRole, entry.number);
    }
    trvSounds->expandAll();
    connect(trvSounds, &QTreeWidget::itemSelectionChanged, this,
            &TfrmJCustomize::RefreshSoundButtons);
    left->addWidget(trvSounds);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    btnSoundsAdd = new QPushButton(QStringLiteral("E&nable this sound"));
    btnSoundsDelete = new QPushButton(QStringLiteral("D&isable this sound"));
    connect(btnSoundsAdd, &QPushButton::clicked, this, [this] {
        SetSoundOn(values, SelectedSoundNumber(), true);
        RefreshSoundPictures();
        RefreshSoundButtons();
    });
    connect(btnSoundsDelete, &QPushButton::clicked, this, [this] {
        SetSoundOn(values, SelectedSoundNumber(), false);
        RefreshSoundPictures();
        RefreshSoundButtons();
    });
    chkSoundsEnabled = new QCheckBox(QStringLiteral("&Disable all sounds"));
    chkSoundsEnabled->setChecked(values.allSoundsDisabled);
    connect(chkSoundsEnabled, &QCheckBox::toggled, this, [this](bool disabled) {
        SetAllSoundsDisabled(values, disabled);
        RefreshSoundPictures();
        RefreshSoundButtons();
    });
    right->addWidget(btnSoundsAdd);
    right->addWidget(btnSoundsDelete);
    right->addWidget(chkSoundsEnabled);
    right->addSpacing(12);
    right->addWidget(new QLabel(QStringLiteral("Preview:")));
    auto* preview = new QHBoxLayout;
    btnSoundGo = new QToolButton;
    btnSoundGo->setIcon(PictureIcon(library, "BTN_PLAY", QStyle::SP_MediaPlay));
    btnSoundStop = new QToolButton;
    btnSoundStop->setIcon(PictureIcon(library, "BTN_STOP", QStyle::SP_MediaStop));
    connect(btnSoundGo, &QToolButton::clicked, this,
            [this] { sounds.TestPlay(SelectedSoundNumber()); });
    connect(btnSoundStop, &QToolButton::clicked, this, [this] { sounds.Stop(); });
    preview->addWidget(btnSoundGo);
    preview->addWidget(btnSoundStop);
    preview->addStretch();
    right->addLayout(preview);
    right->addStretch();
    layout->addLayout(right);

    pages->addTab(soundsPage, QStringLiteral(" &Sounds "));
}

void TfrmJCustomize::ShowAnimationControls() {
    const bool enabled = AnimationControlsEnabled(values.animationItem);
    btnWinningPreview->setEnabled(enabled);
    edtWinningTime->setEnabled(enabled);
    spnUp->setEnabled(enabled);
    spnDown->setEnabled(enabled);
}

void TfrmJCustomize::StepTime(int direction) {
    values.winningTime = StepWinningTime(values.winningTime, direction);
    edtWinningTime->setText(QString::fromStdString(values.winningTime));
}

QTreeWidgetItem* TfrmJCustomize::SoundEntry(int number) const {
    for (int g = 0; g < trvSounds->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = trvSounds->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            if (group->child(i)->data(0, kNumberRole).toInt() == number) {
                return group->child(i);
            }
        }
    }
    return nullptr;
}

int TfrmJCustomize::SelectedSoundNumber() const {
    const QList<QTreeWidgetItem*> selected = trvSounds->selectedItems();
    return selected.isEmpty() ? 0 : selected.front()->data(0, kNumberRole).toInt();
}

void TfrmJCustomize::RefreshSoundPictures() {
    const QIcon enabled = PictureIcon(library, "SOUND_ENABLED", QStyle::SP_MediaVolume);
    for (int number = 1; number <= kSoundEventCount; ++number) {
        if (QTreeWidgetItem* item = SoundEntry(number)) {
            item->setIcon(0,
                          values.soundOn[static_cast<std::size_t>(number - 1)] ? enabled : QIcon());
        }
    }
}

void TfrmJCustomize::RefreshSoundButtons() {
    trvSounds->setEnabled(!values.allSoundsDisabled);
    const SoundButtonStates states = SoundButtonsFor(values, SelectedSoundNumber());
    btnSoundsAdd->setEnabled(states.enableOn);
    btnSoundsDelete->setEnabled(states.disableOn);
    btnSoundGo->setVisible(states.previewVisible);
    btnSoundStop->setVisible(states.previewVisible);
}

void TfrmJCustomize::btnResetToolbarClick() {
    const MessageAnswer answer = host.ShowMessage(
        MessageKind::Information,
        "Are you sure you want to reset the changes made to the Toolbars and Menu?",
        MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes && resetToolbars) {
        resetToolbars();
    }
}

void TfrmJCustomize::btnOKClick() {
    SaveCustomizeValues(settings, values);
    accept();
}

}  // namespace jw
