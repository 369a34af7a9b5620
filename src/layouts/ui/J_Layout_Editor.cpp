#include "layouts/ui/J_Layout_Editor.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace jw {

namespace {

QWidget* ChoicePage(QWidget* parent, const char* prompt, QRadioButton* first, QRadioButton* second,
                    const char* note = nullptr) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QString::fromLatin1(prompt), page));
    first->setParent(page);
    second->setParent(page);
    layout->addWidget(first);
    if (note != nullptr) {
        auto* label = new QLabel(QString::fromLatin1(note), page);
        label->setIndent(24);
        layout->addWidget(label);
    }
    layout->addWidget(second);
    layout->addStretch(1);
    return page;
}

}  // namespace

TfrmJLayoutOptions::TfrmJLayoutOptions(bool faceDown, int removeRule, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmJLayoutOptions"));
    setWindowTitle(QStringLiteral("Layout Options"));
    setProperty("helpTopic", QStringLiteral("html/windows/layout_editor.htm"));
    auto* outer = new QVBoxLayout(this);
    auto* pages = new QTabWidget(this);
    auto* faceUpButton = new QRadioButton(QStringLiteral("Face up (MahJong games)"));
    faceDownButton = new QRadioButton(QStringLiteral("Face down (Memory-Up games)"));
    (faceDown ? faceDownButton : faceUpButton)->setChecked(true);
    pages->addTab(ChoicePage(pages, "Show the tiles:", faceUpButton, faceDownButton),
                  QStringLiteral("Show Tiles"));
    auto* sideButton =
        new QRadioButton(QStringLiteral("There are no tiles touching it on the right"));
    alwaysButton = new QRadioButton(QStringLiteral("Always (Memory-Up games)"));
    (removeRule == 1 ? alwaysButton : sideButton)->setChecked(true);
    pages->addTab(ChoicePage(pages, "A tile can be removed when:", sideButton, alwaysButton,
                             "or on the left side (MahJong games)"),
                  QStringLiteral("Remove Tiles"));
    outer->addWidget(pages);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
}

bool TfrmJLayoutOptions::FaceDown() const {
    return faceDownButton->isChecked();
}

int TfrmJLayoutOptions::RemoveRule() const {
    return alwaysButton->isChecked() ? 1 : 0;
}

TfrmJInfoLayoutEditor::TfrmJInfoLayoutEditor(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmJInfoLayoutEditor"));
    setWindowTitle(QStringLiteral(" Layout information"));
    setFixedSize(150, 190);
    // The fixed size holds the captions in a smaller type with narrow margins.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    const char* labels[] = {"Levels:",   "Total tiles:", "Tiles placed:", "Tiles available:",
                            "Must add:", "Or remove:",   "Type:"};
    for (int line = 0; line < 7; ++line) {
        grid->addWidget(new QLabel(QString::fromLatin1(labels[line]), this), line, 0);
        values[static_cast<std::size_t>(line)] = new QLabel(this);
        values[static_cast<std::size_t>(line)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(values[static_cast<std::size_t>(line)], line, 1);
    }
}

void TfrmJInfoLayoutEditor::Show(const LayoutInformation& information) {
    const int numbers[] = {information.levels,         kMaxTiles,
                           information.tiles,          kMaxTiles - information.tiles,
                           information.counts.mustAdd, information.counts.orRemove};
    for (int line = 0; line < 6; ++line)
        values[static_cast<std::size_t>(line)]->setNum(numbers[line]);
    values[6]->setText(information.faceDown ? QStringLiteral("Memory-Up")
                                            : QStringLiteral("MahJong"));
}

QString TfrmJInfoLayoutEditor::Value(int line) const {
    return line >= 0 && line < 7 ? values[static_cast<std::size_t>(line)]->text() : QString();
}

}  // namespace jw
