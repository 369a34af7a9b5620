#include "layouts/ui/J_Layout_Manager.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "layouts/GamePreview.h"
#include "platform/Host.h"
#include "platform/Text.h"
#include "presentation/ui/QtPicture.h"

namespace jw {

namespace {

constexpr int kPreviewWidth = 320;
constexpr int kPreviewHeight = 240;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

struct ToolDesign {
    const char* name;
    const char* caption;
    const char* hint;
    const char* picture;
    bool separatorAfter;
};

constexpr ToolDesign kTools[] = {
    {"tbNew_Large", "  New  ", "Create a new Layout", "NEW", false},
    {"tbEdit_Large", "Edit", "Edit the selected Layout", "EDIT", true},
    {"tbDelete_Large", "Delete", "Delete the selected Layout", "DELETE", true},
    {"tbDuplicate_Large", "Duplicate", "Duplicate the selected Layout", "DUPLICATE", false},
    {"tbRename_Large", "Rename", "Rename the selected Layout", "RENAME", true},
    {"btnImport", "Import", "Import a Layout", "IMPORT", false},
    {"btnExport", "Export", "Export a Layout", "EXPORT", false},
};

}  // namespace

TfrmJLayoutSave::TfrmJLayoutSave(Host& hostIn, const CustomLayouts& layoutsIn, NameUse useIn,
                                 const std::string& name, QWidget* parent)
    : QDialog(parent), host(hostIn), layouts(layoutsIn), use(useIn), oldName(Trim(name)) {
    setObjectName(QStringLiteral("frmJLayoutSave"));
    setProperty("helpTopic", QStringLiteral("html/windows/layout_manager.htm"));
    const char* caption = use == NameUse::Rename      ? "Rename Layout"
                          : use == NameUse::Duplicate ? "Duplicate Layout"
                                                      : "Save Layout";
    const char* label = use == NameUse::Rename      ? "New Layout Name:"
                        : use == NameUse::Duplicate ? "New duplicate Layout Name:"
                                                    : "Layout Name:";
    setWindowTitle(QString::fromLatin1(caption));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(new QLabel(QString::fromLatin1(label), this));
    field = new QLineEdit(Text(oldName), this);
    field->setObjectName(QStringLiteral("edtName"));
    field->setMaxLength(kLayoutNameWidth);
    field->selectAll();
    outer->addWidget(field);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(okButton);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    connect(okButton, &QPushButton::clicked, this, [this] { Ok(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, sizeHint().height());
}

std::string TfrmJLayoutSave::Name() const {
    return std::string(Trim(field->text().toStdString()));
}

void TfrmJLayoutSave::Ok() {
    switch (CheckLayoutName(host, layouts, field->text().toStdString(), use, oldName)) {
        case NameCheck::Accepted:
            accept();
            return;
        case NameCheck::Empty:
            field->setFocus();
            return;
        case NameCheck::Refused:
        case NameCheck::Unchanged:
        case NameCheck::Declined:
            return;
    }
}

TfrmJLayoutManager::TfrmJLayoutManager(LayoutManagerSetup setupIn, QWidget* parent)
    : QDialog(parent),
      setup(std::move(setupIn)),
      manager(*setup.host, *setup.layouts, *setup.settings) {
    setObjectName(QStringLiteral("frmJLayoutManager"));
    setWindowTitle(QStringLiteral("Layout Manager"));
    setProperty("helpTopic", QStringLiteral("html/windows/layout_manager.htm"));
    auto* outer = new QVBoxLayout(this);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(16, 16));
    for (const ToolDesign& tool : kTools) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setText(QString::fromLatin1(tool.caption));
        button->setToolTip(QString::fromLatin1(tool.hint));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        if (setup.library != nullptr)
            button->setIcon(QIcon(QPixmap::fromImage(LibraryPicture(
                *setup.library, "ICON", (std::string(tool.picture) + "_256_16x16").c_str()))));
        bar->addWidget(button);
        if (tool.separatorAfter)
            bar->addSeparator();
    }
    outer->addWidget(bar);

    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* listLabel = new QLabel(QStringLiteral("Customized Layouts:"), this);
    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("tvLayouts"));
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setSortingEnabled(true);
    list->sortByColumn(0, Qt::AscendingOrder);
    listLabel->setBuddy(list);
    left->addWidget(listLabel);
    left->addWidget(list, 1);
    middle->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgPreview"));
    picture->setFixedSize(kPreviewWidth, kPreviewHeight);
    picture->setFrameShape(QFrame::StyledPanel);
    right->addWidget(picture);
    nameLabel = new QLabel(this);
    nameLabel->setObjectName(QStringLiteral("lblName"));
    QFont bold = nameLabel->font();
    bold.setBold(true);
    nameLabel->setFont(bold);
    right->addWidget(nameLabel);
    auto* figures = new QFormLayout;
    tilesLabel = new QLabel(this);
    tilesLabel->setObjectName(QStringLiteral("lblTiles"));
    levelsLabel = new QLabel(this);
    levelsLabel->setObjectName(QStringLiteral("lblLevels"));
    figures->addRow(QStringLiteral("Tiles number:"), tilesLabel);
    figures->addRow(QStringLiteral("Levels:"), levelsLabel);
    right->addLayout(figures);
    right->addStretch(1);
    middle->addLayout(right);
    outer->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    playButton = new QPushButton(QStringLiteral("Play"), this);
    playButton->setObjectName(QStringLiteral("btnPlay"));
    playButton->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Button1"));
    bottom->addWidget(playButton);
    bottom->addWidget(close);
    outer->addLayout(bottom);

    preview =
        std::make_unique<GamePreview>(*setup.host, setup.library, setup.dataFolder, setup.layouts);
    preview->SetSize(kPreviewWidth, kPreviewHeight);

    connect(list, &QTreeWidget::currentItemChanged, this, [this] { SelectionChanged(); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (const auto chosen = Selected())
            Edit(chosen->id);
    });
    connect(Button("tbNew_Large"), &QToolButton::clicked, this, [this] { Edit(std::nullopt); });
    connect(Button("tbEdit_Large"), &QToolButton::clicked, this, [this] {
        if (const auto chosen = Selected())
            Edit(chosen->id);
    });
    connect(Button("tbDelete_Large"), &QToolButton::clicked, this, [this] { Delete(); });
    connect(Button("tbDuplicate_Large"), &QToolButton::clicked, this, [this] { Duplicate(); });
    connect(Button("tbRename_Large"), &QToolButton::clicked, this, [this] { Rename(); });
    connect(Button("btnImport"), &QToolButton::clicked, this, [this] { Import(); });
    connect(Button("btnExport"), &QToolButton::clicked, this, [this] { Export(); });
    connect(playButton, &QPushButton::clicked, this, [this] { Play(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    Fill(setup.currentLayout);
    setFixedSize(sizeHint().expandedTo(QSize(620, 400)));
}

TfrmJLayoutManager::~TfrmJLayoutManager() = default;

QToolButton* TfrmJLayoutManager::Button(const char* objectName) const {
    return findChild<QToolButton*>(QString::fromLatin1(objectName));
}

std::optional<LayoutEntry> TfrmJLayoutManager::Selected() const {
    const QTreeWidgetItem* item = list->currentItem();
    if (item == nullptr)
        return std::nullopt;
    return LayoutEntry{item->data(0, Qt::UserRole).toInt(), item->text(0).toStdString()};
}

bool TfrmJLayoutManager::Select(const std::string& name) {
    const auto found = list->findItems(Text(name), Qt::MatchFixedString);
    if (found.isEmpty())
        return false;
    list->setCurrentItem(found.front());
    return true;
}

void TfrmJLayoutManager::Fill(const std::string& select) {
    const QIcon icon = setup.library != nullptr
                           ? KeyedIcon(LibraryPicture(*setup.library, "BITMAP", "N_TREE4"))
                           : QIcon();
    list->clear();
    for (const LayoutEntry& entry : ManagedLayouts(*setup.layouts)) {
        auto* item = new QTreeWidgetItem(list, QStringList{Text(entry.name)});
        item->setData(0, Qt::UserRole, entry.id);
        item->setIcon(0, icon);
    }
    if (!Select(select) && list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
    SelectionChanged();
}

void TfrmJLayoutManager::SelectionChanged() {
    const auto chosen = Selected();
    for (const char* name :
         {"tbEdit_Large", "tbDelete_Large", "tbDuplicate_Large", "tbRename_Large", "btnExport"})
        Button(name)->setEnabled(chosen.has_value());
    Button("tbEdit_Large")->setEnabled(chosen.has_value() && static_cast<bool>(setup.edit));
    Button("tbNew_Large")->setEnabled(static_cast<bool>(setup.edit));
    playButton->setEnabled(chosen.has_value() && static_cast<bool>(setup.play));
    if (!chosen) {
        preview->Show(-1);
        picture->clear();
        nameLabel->clear();
        tilesLabel->clear();
        levelsLabel->clear();
        return;
    }
    preview->Show(chosen->id);
    picture->setPixmap(QPixmap::fromImage(WrapImage(preview->Picture()).copy()));
    nameLabel->setText(Text(chosen->name));
    tilesLabel->setNum(preview->Tiles());
    levelsLabel->setNum(preview->Levels());
}

std::optional<std::string> TfrmJLayoutManager::AskName(NameUse use, const std::string& name) {
    TfrmJLayoutSave dialog(*setup.host, *setup.layouts, use, name, this);
    if (setup.nameAnswerer) {
        dialog.show();
        setup.nameAnswerer(dialog);
        if (dialog.isVisible())
            dialog.reject();
    } else {
        dialog.exec();
    }
    if (dialog.result() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Name();
}

void TfrmJLayoutManager::Delete() {
    const auto chosen = Selected();
    if (!chosen)
        return;
    const int row = list->indexOfTopLevelItem(list->currentItem());
    if (!manager.Delete(*chosen, setup.release, setup.purge))
        return;
    delete list->currentItem();
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(std::max(0, row - 1)));
    SelectionChanged();
}

void TfrmJLayoutManager::Rename() {
    const auto chosen = Selected();
    if (!chosen)
        return;
    const auto name = AskName(NameUse::Rename, chosen->name);
    if (!name)
        return;
    const auto renamed = manager.Rename(*chosen, *name);
    if (!renamed)
        return;
    if (renamed->replacedOther) {
        Fill(renamed->name);
    } else {
        list->currentItem()->setText(0, Text(renamed->name));
        Select(renamed->name);
        SelectionChanged();
    }
}

void TfrmJLayoutManager::Duplicate() {
    const auto chosen = Selected();
    if (!chosen)
        return;
    const auto name = AskName(NameUse::Duplicate, chosen->name);
    if (name && manager.Duplicate(chosen->name, *name))
        Fill(*name);
}

void TfrmJLayoutManager::Import() {
    if (const auto name = manager.Import())
        Fill(*name);
}

void TfrmJLayoutManager::Export() {
    if (const auto chosen = Selected())
        manager.Export(*chosen);
}

void TfrmJLayoutManager::Play() {
    const auto chosen = Selected();
    if (!chosen || !setup.play)
        return;
    hide();
    setup.play(chosen->id);
    accept();
}

void TfrmJLayoutManager::Edit(std::optional<GameId> id) {
    if (!setup.edit)
        return;
    hide();
    setup.edit(id);
    accept();
}

}  // namespace jw
