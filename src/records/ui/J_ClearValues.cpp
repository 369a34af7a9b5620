#include "records/ui/J_ClearValues.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "records/Recorder.h"

namespace jw {

namespace {

// Runs `work` under the busy pointer.
template <typename Work>
auto Busy(Host& host, Work work) {
    host.SetBusy(true);
    auto result = work();
    host.SetBusy(false);
    return result;
}

QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// OK and Cancel, Cancel being the default button when `cancelIsDefault`.
QHBoxLayout* OkCancel(QDialog& dialog, QPushButton*& ok, bool cancelIsDefault) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("btnOK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    ok->setAutoDefault(!cancelIsDefault);
    ok->setDefault(!cancelIsDefault);
    cancel->setDefault(cancelIsDefault);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

QStringList Items(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
}

}  // namespace

void RunClearWindow(QDialog& window, const ClearContext& context) {
    if (!context.answerer) {
        window.exec();
        return;
    }
    window.show();
    context.answerer(window);
    if (window.isVisible())
        window.reject();
}

// --- Clear values ---

TfrmJClearValues::TfrmJClearValues(Host& host, ClearContext contextIn, QWidget* parent)
    : QDialog(parent), host(host), context(std::move(contextIn)) {
    setObjectName(QStringLiteral("frmJClearValues"));
    setWindowTitle(QStringLiteral("Clear values"));
    setProperty("helpTopic", QStringLiteral("html/windows/clear_values.htm"));
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QGroupBox(QStringLiteral("Clear values "), this);
    auto* choiceLayout = new QVBoxLayout(choices);
    allValues =
        new QRadioButton(QStringLiteral("&All values (Statistics, Hi-Scores, Log)"), choices);
    selectValues = new QRadioButton(QStringLiteral("&Select values"), choices);
    kinds = new QComboBox(choices);
    kinds->addItems({QStringLiteral("Statistics values only"),
                     QStringLiteral("Hi-Scores values only"), QStringLiteral("Log values only")});
    choiceLayout->addWidget(allValues);
    auto* selectRow = new QHBoxLayout;
    selectRow->addWidget(selectValues);
    selectRow->addWidget(kinds, 1);
    choiceLayout->addLayout(selectRow);
    layout->addWidget(choices);
    auto* describe = new QGroupBox(QStringLiteral("Description "), this);
    auto* describeLayout = new QVBoxLayout(describe);
    description = Note(QString(), describe);
    description->setMinimumSize(360, 60);
    description->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    describeLayout->addWidget(description);
    layout->addWidget(describe);
    QPushButton* ok = nullptr;
    layout->addLayout(OkCancel(*this, ok, false));
    connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
    connect(allValues, &QRadioButton::toggled, this, [this] { Refresh(); });
    connect(kinds, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    allValues->setChecked(true);
    Refresh();
}

ClearChoice TfrmJClearValues::Choice() const {
    if (allValues->isChecked())
        return ClearChoice::All;
    static constexpr ClearChoice kKinds[] = {ClearChoice::Statistics, ClearChoice::HiScores,
                                             ClearChoice::Log};
    return kKinds[std::max(0, kinds->currentIndex())];
}

void TfrmJClearValues::Choose(ClearChoice choice) {
    if (choice == ClearChoice::All) {
        allValues->setChecked(true);
        return;
    }
    selectValues->setChecked(true);
    kinds->setCurrentIndex(static_cast<int>(choice) - 1);
}

QString TfrmJClearValues::Description() const {
    return description->text();
}

void TfrmJClearValues::Refresh() {
    kinds->setEnabled(selectValues->isChecked());
    description->setText(Items(ClearDescription(Choice())).join(QStringLiteral("\n")));
}

void TfrmJClearValues::Ok() {
    const ClearChoice choice = Choice();
    if (choice == ClearChoice::All) {
        if (host.ShowMessage(MessageKind::Confirmation, std::string(kClearAllQuestion),
                             MessageButtons::YesNo) != MessageAnswer::Yes ||
            host.ShowMessage(MessageKind::Warning, std::string(kClearAllWarning),
                             MessageButtons::YesNo) != MessageAnswer::Yes)
            return;
        const std::string message = Busy(host, [this] {
            return context.recorder->ClearAll(context.players, context.currentPlayer);
        });
        host.ShowMessage(MessageKind::Information, message, MessageButtons::Ok);
        accept();
        return;
    }
    if (choice == ClearChoice::Log) {
        TfrmJStatisDeleteLog window(host, context, this);
        RunClearWindow(window, context);
    } else {
        TfrmJStatisDelete window(
            host, choice == ClearChoice::Statistics ? ClearMode::Statistics : ClearMode::HiScores,
            context, this);
        RunClearWindow(window, context);
    }
    accept();
}

// --- Clear statistics or hi-scores by player and game ---

TfrmJStatisDelete::TfrmJStatisDelete(Host& host, ClearMode mode, ClearContext contextIn,
                                     QWidget* parent)
    : QDialog(parent), host(host), mode(mode), context(std::move(contextIn)) {
    const ClearSelectedTexts texts = ClearSelectedTextsOf(mode);
    setObjectName(QStringLiteral("frmJStatisDelete"));
    setWindowTitle(QString::fromStdString(texts.caption));
    setProperty("helpTopic", QStringLiteral("html/windows/clear_values.htm"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QString::fromStdString(texts.caption), this);
    auto* form = new QFormLayout(group);
    players = new QComboBox(group);
    players->addItems(Items(WithAllEntry(kAllPlayersEntry, context.players)));
    games = new QComboBox(group);
    games->addItems(Items(WithAllEntry(kAllGamesEntry, context.gameNames)));
    games->setMaxVisibleItems(20);
    form->addRow(QStringLiteral("For player:"), players);
    form->addRow(QStringLiteral("For game:"), games);
    layout->addWidget(group);
    auto* note = new QGroupBox(QStringLiteral("Note"), this);
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->addWidget(Note(QString::fromStdString(texts.note), note));
    layout->addWidget(note);
    QPushButton* ok = nullptr;
    layout->addLayout(OkCancel(*this, ok, true));
    connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
}

void TfrmJStatisDelete::Ok() {
    const std::string player = players->currentText().toStdString();
    const std::string game = games->currentText().toStdString();
    if (host.ShowMessage(MessageKind::Warning, ClearSelectedQuestion(mode, player, game),
                         MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const GameId id =
        game == kAllGamesEntry || !context.gameIdOf ? GameId(-1) : context.gameIdOf(game);
    const ClearScope scope = ClearScopeOf(player, game, id);
    Recorder& recorder = *context.recorder;
    const bool written = Busy(host, [&] {
        return mode == ClearMode::Statistics ? recorder.ClearStatistics(scope)
                                             : recorder.ClearHiScores(scope);
    });
    if (ClearResetsRun(scope, context.currentGame))
        recorder.ResetRun(recorder.Run().player, recorder.Run().gameId);
    if (!written)
        host.ShowMessage(MessageKind::Error, "Write error on file", MessageButtons::Ok);
    host.ShowMessage(MessageKind::Information, ClearSelectedTextsOf(mode).done, MessageButtons::Ok);
    accept();
}

// --- Clear the log ---

TfrmJStatisDeleteLog::TfrmJStatisDeleteLog(Host& host, ClearContext contextIn, QWidget* parent)
    : QDialog(parent), host(host), context(std::move(contextIn)) {
    setObjectName(QStringLiteral("frmJStatisDeleteLog"));
    setWindowTitle(QStringLiteral("Clear Log statistics"));
    setProperty("helpTopic", QStringLiteral("html/windows/clear_values.htm"));
    records = EstimatedLogRecords(context.recorder->LogPath());
    auto* layout = new QVBoxLayout(this);
    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("The Log contains"), this));
    auto* number = new QLabel(QString::number(records) + QStringLiteral(" record(s)."), this);
    number->setObjectName(QStringLiteral("lblRecords"));
    count->addWidget(number);
    count->addStretch(1);
    layout->addLayout(count);
    auto* keepRow = new QHBoxLayout;
    auto* keepLabel = new QLabel(QStringLiteral("&Records to keep in Log:"), this);
    keep = new QSpinBox(this);
    keep->setRange(0, kKeepMaximum);
    keep->setSingleStep(kKeepStep);
    keep->setValue(KeepStart(records));
    keepLabel->setBuddy(keep);
    keepRow->addWidget(keepLabel);
    keepRow->addWidget(keep);
    keepRow->addStretch(1);
    layout->addLayout(keepRow);
    auto* note = new QGroupBox(QStringLiteral("Note"), this);
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->addWidget(Note(
        QStringLiteral(
            "Only the Log records will be deleted (all other statistics values will be saved)."),
        note));
    layout->addWidget(note);
    auto* buttons = OkCancel(*this, ok, true);
    auto* clearAll = new QPushButton(QStringLiteral("Clear all &Log..."), this);
    clearAll->setObjectName(QStringLiteral("btnClearAll"));
    clearAll->setAutoDefault(false);
    buttons->addWidget(clearAll);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
    connect(clearAll, &QPushButton::clicked, this, [this] { ClearAllLog(); });
    // The box's text decides, so that a half-typed number is judged as seen.
    const auto judge = [this] {
        ok->setEnabled(KeepAccepted(ParseKeep(keep->text().toStdString()), records));
    };
    connect(keep, &QSpinBox::textChanged, this, judge);
    judge();
}

void TfrmJStatisDeleteLog::Ok() {
    const std::optional<int> count = ParseKeep(keep->text().toStdString());
    if (!KeepAccepted(count, records))
        return;
    const std::string message =
        Busy(host, [&] { return context.recorder->TrimLog(static_cast<std::size_t>(*count)); });
    host.ShowMessage(MessageKind::Information, message, MessageButtons::Ok);
    accept();
}

void TfrmJStatisDeleteLog::ClearAllLog() {
    if (host.ShowMessage(MessageKind::Confirmation, std::string(kClearLogQuestion),
                         MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    host.ShowMessage(MessageKind::Information, context.recorder->ClearLog(context.currentPlayer),
                     MessageButtons::Ok);
    accept();
}

void TfrmJStatisDeleteLog::done(int result) {
    context.recorder->EnsureStatFiles(context.currentPlayer);
    QDialog::done(result);
}

}  // namespace jw
