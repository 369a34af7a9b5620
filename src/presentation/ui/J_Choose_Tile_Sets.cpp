#include "presentation/ui/J_Choose_Tile_Sets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Host.h"
#include "platform/Settings.h"
#include "platform/SettingsStore.h"
#include "presentation/TileSetCatalog.h"
#include "presentation/ui/QtPicture.h"

namespace jw {

namespace {

QColor ListBackground() {
    return QColor(RedOf(kPreviewListBackground), GreenOf(kPreviewListBackground),
                  BlueOf(kPreviewListBackground));
}

// The size of the first row's picture; a list without pictures lays out
// for a nominal preview.
QSize FirstPreviewSize(const PreviewList& list) {
    if (!list.previews.empty() && !list.previews[0].Empty()) {
        return {list.previews[0].Width(), list.previews[0].Height()};
    }
    return {180, 120};
}

}  // namespace

TPreviewTiles::TPreviewTiles(PreviewList listIn, QImage markerIn, QWidget* parent)
    : QWidget(parent),
      list(std::move(listIn)),
      marker(std::move(markerIn)),
      layout(static_cast<int>(list.rows.size()), FirstPreviewSize(list).width(),
             FirstPreviewSize(list).height(), 0) {
    for (const Image& preview : list.previews) {
        pictures.push_back(WrapImage(preview).copy());
    }
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPreviewTiles::LayOut(int width) {
    const QSize first = FirstPreviewSize(list);
    layout =
        PreviewListLayout(static_cast<int>(list.rows.size()), first.width(), first.height(), width);
    setFixedSize(std::max(width, layout.ColumnPitch() + PreviewListLayout::kSpacing),
                 layout.PictureHeight());
    update();
}

void TPreviewTiles::Select(int index) {
    selected = index >= 0 && index < static_cast<int>(list.rows.size()) ? index : -1;
    update();
}

int TPreviewTiles::ScrollForSelection() const {
    return layout.ScrollFor(selected, marker.isNull() ? layout.PreviewHeight() : marker.height());
}

void TPreviewTiles::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), ListBackground());
    const int w = layout.PreviewWidth();
    const int h = layout.PreviewHeight();
    if (selected >= 0 && !marker.isNull()) {
        const Point at = MarkerPosition(layout.ItemX(selected), layout.ItemY(selected), w, h,
                                        marker.width(), marker.height());
        painter.drawImage(at.x, at.y, marker);
    }
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QRect place(layout.ItemX(static_cast<int>(i)), layout.ItemY(static_cast<int>(i)), w,
                          h);
        if (!pictures[i].isNull()) {
            painter.drawImage(place.topLeft(), pictures[i]);
            continue;
        }
        // A set whose picture is not here: a plain card with its name.
        painter.setPen(QColor(150, 150, 150));
        painter.setBrush(list.installed[i] ? QColor(236, 232, 224) : QColor(226, 226, 226));
        painter.drawRoundedRect(place.adjusted(8, 8, -8, -8), 8, 8);
        painter.setPen(list.installed[i] ? QColor(60, 60, 60) : QColor(128, 128, 128));
        painter.drawText(place.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromStdString(TileSetRowField(list.rows[i], 4)));
    }
}

void TPreviewTiles::mousePressEvent(QMouseEvent* event) {
    Select(layout.ItemAt(static_cast<int>(event->position().x()),
                         static_cast<int>(event->position().y())));
}

void TPreviewTiles::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (selected >= 0 && onDoubleClick) {
        onDoubleClick();
    }
}

TfrmJChooseTileSets::TfrmJChooseTileSets(Host& hostIn, SettingsStore& settingsIn,
                                         const ResourceStore& library,
                                         const TileSetChooserSetup& setupIn, QWidget* parent)
    : QDialog(parent), host(hostIn), settings(settingsIn), setup(setupIn) {
    setObjectName(QStringLiteral("frmJChooseTileSets"));
    setWindowTitle(QStringLiteral("Select Your Preferred Tile Set"));
    setProperty("jwHelpTopic", QStringLiteral("html/windows/choose_tiles.htm"));

    // The core keeps the marker premultiplied.
    QImage marker = WrapImage(LoadSelectionMarker(host, library)).copy();
    marker.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    pgTileSets = new QTabWidget(this);
    const std::array<const char*, 2> captions = {"  MahJong type  ", "  Matching type  "};
    const std::array<const char*, 2> families = {"01", "02"};
    for (std::size_t page = 0; page < 2; ++page) {
        PreviewList list = LoadPreviewList(host, library, families[page], setup.programFolder);
        lists[page] = new TPreviewTiles(std::move(list), marker);
        lists[page]->Select(
            RowOfCurrentSet(lists[page]->List().rows, setup.setNumber, setup.addOnId));
        lists[page]->onDoubleClick = [this] { btnOKClick(); };
        boxes[page] = new QScrollArea;
        boxes[page]->setWidget(lists[page]);
        boxes[page]->setWidgetResizable(false);
        boxes[page]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        boxes[page]->setBackgroundRole(QPalette::Base);
        pgTileSets->addTab(boxes[page], QString::fromLatin1(captions[page]));
    }
    const bool matching = setup.scoreType == "02";
    pgTileSets->setCurrentIndex(matching ? 1 : 0);

    chkShowAtStartup = new QCheckBox(QStringLiteral("Show at startup"), this);
    chkShowAtStartup->setChecked(Read(settings, setting::kSelectTilesStartup));
    cboSize = new QComboBox(this);
    for (const std::string& entry : SizeListEntries()) {
        cboSize->addItem(QString::fromStdString(entry));
    }
    cboSize->setCurrentIndex(
        SizeEntryAtOpening(setup.automaticSize, setup.sizeLetter, setup.reducedInForce));
    auto* btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    auto* btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(pgTileSets, &QTabWidget::currentChanged, this, [this] { LayOutLists(); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkShowAtStartup);
    bottom->addStretch(1);
    bottom->addWidget(new QLabel(QStringLiteral("Tile set size:"), this));
    bottom->addWidget(cboSize);
    bottom->addSpacing(16);
    bottom->addWidget(btnOK);
    bottom->addWidget(btnCancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(pgTileSets, 1);
    column->addLayout(bottom);

    opening = Chosen();

    // The stored size of the window, or one that shows a few previews.
    const ScreenInfo screen = host.Screen();
    const ChooserSize list = DefaultChooserSize(screen.width, lists[0]->Layout());
    const int chrome = 90;  // the page tabs, the frame and the row of controls
    const int width = ReadInt(settings, setting::kSelectTilesClientWidth, list.width + 40);
    const int height = ReadInt(settings, setting::kSelectTilesClientHeight, list.height + chrome);
    resize(std::clamp(width, 420, std::max(screen.width, 420)),
           std::clamp(height, 300, std::max(screen.height, 300)));
}

TileSetSelection TfrmJChooseTileSets::Chosen() const {
    TileSetSelection chosen;
    chosen.matchingPage = pgTileSets->currentIndex() == 1;
    const TPreviewTiles& list = *lists[chosen.matchingPage ? 1 : 0];
    if (list.Selected() >= 0) {
        chosen.row = list.List().rows[static_cast<std::size_t>(list.Selected())];
    }
    chosen.sizeEntry = cboSize->currentIndex();
    return chosen;
}

void TfrmJChooseTileSets::btnOKClick() {
    const TileSetSelection chosen = Chosen();
    const TPreviewTiles& list = *lists[chosen.matchingPage ? 1 : 0];
    const bool installed =
        list.Selected() >= 0 && list.List().installed[static_cast<std::size_t>(list.Selected())];
    switch (DecideTileSetOk(host, opening, chosen, installed, setup.playing, setup.faceDownGame)) {
        case TileSetOk::Stay:
            return;
        case TileSetOk::ShowAddOnNotice: {
            const AddOnNotice notice = MakeAddOnNotice(chosen.row, setup.programFolder);
            QMessageBox box(
                QMessageBox::Information, QString::fromStdString(notice.title),
                QString::fromStdString(notice.text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                QMessageBox::Ok, this);
            box.exec();
            return;
        }
        case TileSetOk::ApplyWithNewGame:
            newGame = true;
            accept();
            return;
        case TileSetOk::Apply:
            accept();
            return;
    }
}

void TfrmJChooseTileSets::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    LayOutLists();
}

void TfrmJChooseTileSets::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOutLists();
}

void TfrmJChooseTileSets::LayOutLists() {
    const int page = pgTileSets->currentIndex() == 1 ? 1 : 0;
    QScrollArea* box = boxes[static_cast<std::size_t>(page)];
    TPreviewTiles* list = lists[static_cast<std::size_t>(page)];
    list->LayOut(box->viewport()->width());
    // The first time a list shows, it scrolls to the selected set.
    if (!list->scrolledOnce && isVisible()) {
        list->scrolledOnce = true;
        box->verticalScrollBar()->setValue(list->ScrollForSelection());
    }
}

void TfrmJChooseTileSets::done(int result) {
    Write(settings, setting::kSelectTilesStartup, chkShowAtStartup->isChecked());
    Write(settings, setting::kSelectTilesClientWidth, width());
    Write(settings, setting::kSelectTilesClientHeight, height());
    QDialog::done(result);
}

}  // namespace jw
