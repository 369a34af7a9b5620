#include "presentation/ui/J_Choose_Background.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/Host.h"
#include "presentation/ui/QtPicture.h"

namespace jw {

namespace {

constexpr int kPreviewWidth = 256;
constexpr int kPreviewHeight = 192;
constexpr int kPlaceRole = Qt::UserRole + 1;

// A colour in the stored form: red in the low byte.
int StoredColour(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QColor QtColour(int stored) {
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

// The picture-file filter in Qt's form.
QString QtFileFilter() {
    return QStringLiteral(
        "All image files (*.jpg *.jpeg *.bmp);;Bitmaps (*.bmp);;JPG files (*.jpg *.jpeg)");
}

// The folder the picture-file dialog opened in last, for the next time.
QString& LastPictureFolder() {
    static QString folder;
    return folder;
}

}  // namespace

TfrmJChooseBackground::TfrmJChooseBackground(Host& hostIn, SettingsStore& settings,
                                             const BackgroundChoice& current,
                                             const BackgroundChooserSetup& setupIn, QWidget* parent)
    : QDialog(parent),
      host(hostIn),
      chooser(settings, setupIn.sources, setupIn.colourDepth),
      setup(setupIn) {
    setObjectName(QStringLiteral("frmJChooseBackground"));
    setWindowTitle(QStringLiteral("Customize"));
    setProperty("jwHelpTopic", QStringLiteral("html/windows/choose_background.htm"));
    systemColour = StoredColour(QApplication::palette().color(QPalette::Button));

    chooseFile = [this](const std::string& folder) -> std::optional<std::string> {
        const QString file =
            QFileDialog::getOpenFileName(this, QStringLiteral("Add a background"),
                                         QString::fromStdString(folder), QtFileFilter());
        if (file.isEmpty()) {
            return std::nullopt;
        }
        return file.toStdString();
    };
    chooseColour = [this](int colour) -> std::optional<int> {
        const QColor picked = QColorDialog::getColor(QtColour(colour), this);
        return picked.isValid() ? std::optional<int>(StoredColour(picked)) : std::nullopt;
    };

    trvBackgrounds = new QTreeWidget(this);
    trvBackgrounds->setHeaderHidden(true);
    trvBackgrounds->setContextMenuPolicy(Qt::CustomContextMenu);
    trvBackgrounds->setMinimumWidth(230);
    lblName = new QLabel(this);
    QFont bold = lblName->font();
    bold.setBold(true);
    lblName->setFont(bold);
    imgPreview = new QLabel(this);
    imgPreview->setFixedSize(kPreviewWidth + 2, kPreviewHeight + 2);
    imgPreview->setFrameShape(QFrame::Box);
    lblPreviewNote = new QLabel(this);
    lblPreviewNote->setWordWrap(true);
    lblPreviewNote->setMaximumWidth(kPreviewWidth);
    chkFade = new QCheckBox(QStringLiteral("&Fade background"), this);
    btnColors = new QPushButton(QStringLiteral("C&olors..."), this);
    chkRandom = new QCheckBox(QStringLiteral("&Random backgrounds"), this);
    pnlRandom = new QWidget(this);
    btnInclude = new QPushButton(QStringLiteral("Select"), pnlRandom);
    btnInclude->setCheckable(true);
    btnAll = new QPushButton(QStringLiteral("All"), pnlRandom);
    btnClearAll = new QPushButton(QStringLiteral("Clear all"), pnlRandom);
    auto* btnAdd = new QPushButton(QStringLiteral("A&dd a background..."), this);
    auto* btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    auto* btnCancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto* randomRow = new QHBoxLayout(pnlRandom);
    randomRow->setContentsMargins(0, 0, 0, 0);
    randomRow->addWidget(btnInclude);
    randomRow->addWidget(btnAll);
    randomRow->addWidget(btnClearAll);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Select a background:"), this));
    left->addWidget(trvBackgrounds, 1);
    left->addWidget(pnlRandom);
    left->addWidget(chkRandom);

    auto* previewBox = new QGroupBox(this);
    auto* previewColumn = new QVBoxLayout(previewBox);
    previewColumn->addWidget(lblName);
    previewColumn->addWidget(imgPreview);
    previewColumn->addWidget(lblPreviewNote);
    auto* previewControls = new QHBoxLayout;
    previewControls->addWidget(chkFade);
    previewControls->addStretch(1);
    previewControls->addWidget(btnColors);
    previewColumn->addLayout(previewControls);
    previewColumn->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(previewBox);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(btnAdd);
    bottom->addStretch(1);
    bottom->addWidget(btnOK);
    bottom->addWidget(btnCancel);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addLayout(bottom);

    chooser.Open(current, systemColour);
    chkFade->setChecked(chooser.fade);
    chkFade->setVisible(chooser.FadingOffered());
    chkRandom->setChecked(chooser.random);
    pnlRandom->setVisible(chooser.random);
    FillTree();

    connect(trvBackgrounds, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!filling) {
            chooser.Select(PlaceOf(item));
            ShowSelection();
        }
    });
    connect(trvBackgrounds, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const TreePlace place = PlaceOf(item);
        if ((place.group == 0 && place.entry < 0) || chooser.IsPlaceholder(place)) {
            AddPicture();
        }
    });
    connect(trvBackgrounds, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& at) {
                QMenu menu(this);
                menu.addAction(QStringLiteral("Add a customized background..."), this,
                               [this] { AddPicture(); });
                QAction* remove = menu.addAction(QStringLiteral("Delete a customized background"),
                                                 this, [this] { DeletePicture(); });
                const BackgroundEntry* entry = chooser.SelectedEntry();
                remove->setEnabled(entry != nullptr && entry->code == kCodeOwnPicture);
                menu.exec(trvBackgrounds->viewport()->mapToGlobal(at));
            });
    connect(chkFade, &QCheckBox::toggled, this, [this](bool on) {
        chooser.fade = on;
        ShowSelection();
    });
    connect(btnColors, &QPushButton::clicked, this, [this] { btnColorsClick(); });
    connect(chkRandom, &QCheckBox::toggled, this, [this](bool on) {
        chooser.random = on;
        pnlRandom->setVisible(on);
    });
    connect(btnInclude, &QPushButton::clicked, this, [this] { btnIncludeClick(); });
    connect(btnAll, &QPushButton::clicked, this, [this] { btnAllClick(true); });
    connect(btnClearAll, &QPushButton::clicked, this, [this] { btnAllClick(false); });
    connect(btnAdd, &QPushButton::clicked, this, [this] { AddPicture(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(600, 440);
}

QTreeWidgetItem* TfrmJChooseBackground::ItemAt(TreePlace place) const {
    if (place.group < 0 || place.group >= trvBackgrounds->topLevelItemCount()) {
        return nullptr;
    }
    QTreeWidgetItem* group = trvBackgrounds->topLevelItem(place.group);
    return place.entry < 0 ? group : group->child(place.entry);
}

TreePlace TfrmJChooseBackground::PlaceOf(const QTreeWidgetItem* item) const {
    if (item == nullptr) {
        return {};
    }
    const QPoint place = item->data(0, kPlaceRole).toPoint();
    return {place.x(), place.y()};
}

void TfrmJChooseBackground::FillTree() {
    filling = true;
    const TreePlace keep = chooser.Selected();
    trvBackgrounds->clear();
    const auto& groups = chooser.Groups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        auto* group = new QTreeWidgetItem(trvBackgrounds,
                                          QStringList(QString::fromStdString(groups[g].name)));
        group->setData(0, kPlaceRole, QPoint(static_cast<int>(g), -1));
        for (std::size_t e = 0; e < groups[g].entries.size(); ++e) {
            auto* item = new QTreeWidgetItem(
                group, QStringList(QString::fromStdString(groups[g].entries[e].text)));
            item->setData(0, kPlaceRole, QPoint(static_cast<int>(g), static_cast<int>(e)));
        }
    }
    PaintItems();
    if (QTreeWidgetItem* item = ItemAt(keep)) {
        if (item->parent() != nullptr) {
            item->parent()->setExpanded(true);
        }
        trvBackgrounds->setCurrentItem(item);
        trvBackgrounds->scrollToItem(item);
    }
    filling = false;
    ShowSelection();
}

void TfrmJChooseBackground::PaintItems() {
    const QPalette palette = trvBackgrounds->palette();
    for (int g = 0; g < trvBackgrounds->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = trvBackgrounds->topLevelItem(g);
        for (int e = 0; e < group->childCount(); ++e) {
            const bool in = chooser.Included(g, e) || chooser.IsPlaceholder({g, e});
            group->child(e)->setForeground(
                0, palette.color(in ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        }
    }
}

void TfrmJChooseBackground::ShowSelection() {
    const BackgroundEntry* entry = chooser.SelectedEntry();
    const bool selectable = entry != nullptr && IsSelectableBackground(entry->code);
    btnColors->setEnabled(chooser.ColoursEnabled());
    chkFade->setEnabled(chooser.FadeEnabled());
    btnInclude->setEnabled(chooser.RandomButtonsEnabled());
    btnAll->setEnabled(chooser.RandomButtonsEnabled());
    btnClearAll->setEnabled(chooser.RandomButtonsEnabled());
    btnInclude->setText(QString::fromStdString(chooser.IncludeCaption()));
    btnInclude->setChecked(chooser.IncludeCaption() == "Unselect");
    lblPreviewNote->clear();
    if (!selectable) {
        lblName->setText(entry != nullptr ? QString::fromStdString(entry->text) : QString());
        QPixmap blank(kPreviewWidth, kPreviewHeight);
        blank.fill(palette().color(QPalette::Window));
        imgPreview->setPixmap(blank);
        return;
    }
    lblName->setText(QString::fromStdString(entry->text));
    Image preview;
    const BackgroundOutcome outcome =
        chooser.DrawPreview(preview, kPreviewWidth, kPreviewHeight, systemColour);
    if (const std::optional<BackgroundChoice> choice = chooser.PreviewChoice(systemColour)) {
        lblPreviewNote->setText(
            QString::fromStdString(BackgroundFailureMessage(outcome, *choice, setup.sources)));
    }
    imgPreview->setPixmap(QPixmap::fromImage(WrapImage(preview).copy()));
}

void TfrmJChooseBackground::AddPicture() {
    QString folder = LastPictureFolder();
    if (folder.isEmpty()) {
        folder = QString::fromStdString(host.DocumentsFolder());
    }
    const std::optional<std::string> file = chooseFile(folder.toStdString());
    if (!file) {
        return;
    }
    LastPictureFolder() = QFileInfo(QString::fromStdString(*file)).absolutePath();
    chooser.AddOwnPicture(*file);
    FillTree();
}

void TfrmJChooseBackground::DeletePicture() {
    const BackgroundEntry* entry = chooser.SelectedEntry();
    if (entry == nullptr || entry->code != kCodeOwnPicture) {
        return;
    }
    if (host.ShowMessage(MessageKind::Warning, std::string(kDeleteOwnPictureQuestion),
                         MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    chooser.DeleteOwnPicture();
    FillTree();
}

void TfrmJChooseBackground::btnColorsClick() {
    if (const std::optional<int> colour =
            chooseColour(chooser.customColour < 0 ? systemColour : chooser.customColour)) {
        chooser.customColour = *colour;
        ShowSelection();
    }
}

void TfrmJChooseBackground::btnIncludeClick() {
    chooser.ToggleInclude();
    PaintItems();
    ShowSelection();
}

void TfrmJChooseBackground::btnAllClick(bool include) {
    const char* question = include ? "Select all?" : "Clear all?";
    if (host.ShowMessage(MessageKind::Confirmation, question, MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
        return;
    }
    chooser.IncludeAll(include);
    PaintItems();
    ShowSelection();
}

void TfrmJChooseBackground::btnOKClick() {
    if (const std::optional<BackgroundChoice> choice = chooser.Ok(host)) {
        chosen = *choice;
        accept();
    }
}

}  // namespace jw
