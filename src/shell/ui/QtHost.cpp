#include "shell/ui/QtHost.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <QFileDialog>
#include <QStandardPaths>

#include "engine/ui/J_No_More_Moves.h"
#include "shell/CommandTable.h"

namespace jw {

QString MessageText(const std::string& text) {
    QString out = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QtHost::QtHost()
    : timers(std::make_unique<QObject>()),
      random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())) {
    monotonic.start();
}

MessageAnswer QtHost::ShowMessage(MessageKind kind, const std::string& text,
                                  MessageButtons buttons) {
    if (answerer) {
        return answerer(kind, text, buttons);
    }
    QMessageBox box(owner);
    box.setWindowTitle(QString::fromUtf8(kProgramName));
    box.setText(MessageText(text));
    switch (kind) {
        case MessageKind::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageKind::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageKind::Confirmation:
            box.setIcon(QMessageBox::Question);
            break;
        case MessageKind::Error:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
    }
}

namespace {

// The "Information" window with a "Don't show this message box again" box.
AdviceAnswer RunAdviceDialog(QWidget* owner, const std::string& text, bool withCancel,
                             int picture) {
    QDialog dialog(owner);
    dialog.setWindowTitle(QStringLiteral("Information"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(&dialog);
    const QStyle::StandardPixmap pixmap =
        picture == 0 ? QStyle::SP_DesktopIcon : QStyle::SP_MessageBoxInformation;
    icon->setPixmap(dialog.style()->standardIcon(pixmap).pixmap(48, 48));
    row->addWidget(icon, 0, Qt::AlignTop);
    auto* label = new QLabel(MessageText(text), &dialog);
    label->setWordWrap(true);
    label->setMinimumWidth(360);
    row->addWidget(label, 1);
    layout->addLayout(row);
    auto* check = new QCheckBox(QStringLiteral("&Don't show this message box again"), &dialog);
    layout->addWidget(check);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QDialogButtonBox::Ok);
    if (withCancel) {
        buttons->addButton(QDialogButtonBox::Cancel);
    } else {
        buttons->setCenterButtons(true);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    const bool ok = dialog.exec() == QDialog::Accepted;
    return {ok, check->isChecked()};
}

}  // namespace

AdviceAnswer QtHost::ShowAdviceWindow(const std::string& text, int picture) {
    if (answerer) {
        answerer(MessageKind::Information, text, MessageButtons::Ok);
        return {};
    }
    return RunAdviceDialog(owner, text, false, picture);
}

AdviceAnswer QtHost::ConfirmAdviceWindow(const std::string& text, bool cancelWanted) {
    if (answerer) {
        const MessageAnswer answer =
            answerer(MessageKind::Confirmation, text,
                     cancelWanted ? MessageButtons::OkCancel : MessageButtons::Ok);
        return {answer == MessageAnswer::Ok, false};
    }
    return RunAdviceDialog(owner, text, cancelWanted, 1);
}

void QtHost::After(int milliseconds, std::function<void()> then) {
    QTimer::singleShot(std::max(milliseconds, 0), timers.get(), [this, then = std::move(then)] {
        then();
        if (onWaitOver) {
            onWaitOver();
        }
    });
}

void QtHost::Beep() {
    QApplication::beep();
}

LocalTime QtHost::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(),   date.month(),  date.day(), time.hour(),
            time.minute(), time.second(), time.msec()};
}

std::int64_t QtHost::MonotonicMs() {
    return monotonic.elapsed();
}

int QtHost::Random(int range) {
    return range < 1 ? 0 : static_cast<int>(random.bounded(range));
}

ScreenInfo QtHost::Screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect size = screen->geometry();
    return {size.width(), size.height(), screen->depth()};
}

void QtHost::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtHost::PlaySound(const std::string& name) {
    if (soundPlayer) {
        soundPlayer(name);
    }
}

void QtHost::StopSound() {
    if (soundStopper) {
        soundStopper();
    }
}

void QtHost::RefreshStatusBar() {
    if (onRefreshStatusBar) {
        onRefreshStatusBar();
    }
}

void QtHost::RefreshTitle() {
    if (onRefreshTitle) {
        onRefreshTitle();
    }
}

void QtHost::RefreshMenus() {
    if (onRefreshMenus) {
        onRefreshMenus();
    }
}

void QtHost::RefreshBoard() {
    if (onRefreshBoard) {
        onRefreshBoard();
    }
}

NoMoreMatchesChoice QtHost::ShowNoMoreMatches() {
    if (noMoreMatchesAnswerer) {
        return noMoreMatchesAnswerer();
    }
    return RunNoMoreMatchesWindow(owner);
}

void QtHost::ShowMemoryUpTotals(const MemoryUpTotals& totals) {
    if (answerer) {
        return;
    }
    RunMemoryUpTotalsWindow(owner, totals);
}

namespace {

// "Description (*.ext)|*.ext" as Qt's filter "Description (*.ext)".
// "Description|pattern|Description|pattern" as Qt's ";;"-separated list
// of descriptions (each holds its patterns in brackets).
QString QtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        descriptions.append(parts[i]);
    return descriptions.join(QStringLiteral(";;"));
}

QString StartPath(const FileDialogRequest& request) {
    QString path = QString::fromStdString(request.folder);
    if (!request.fileName.empty()) {
        if (!path.isEmpty() && !path.endsWith(QLatin1Char('/'))) {
            path += QLatin1Char('/');
        }
        path += QString::fromStdString(request.fileName);
    }
    return path;
}

}  // namespace

std::optional<std::string> QtHost::ChooseFileToSave(const FileDialogRequest& request) {
    // The engine asks its own question before replacing a file.
    const QString chosen = QFileDialog::getSaveFileName(
        owner, QString::fromStdString(request.title), StartPath(request), QtFilter(request.filter),
        nullptr, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

std::optional<std::string> QtHost::ChooseFileToOpen(const FileDialogRequest& request) {
    const QString chosen = QFileDialog::getOpenFileName(
        owner, QString::fromStdString(request.title), StartPath(request), QtFilter(request.filter));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

HoldAndExitChoice QtHost::ShowHoldAndExit() {
    if (holdAndExitAnswerer) {
        return holdAndExitAnswerer();
    }
    return RunHoldAndExitWindow(owner);
}

std::string QtHost::DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    }
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder.toStdString();
}

}  // namespace jw
