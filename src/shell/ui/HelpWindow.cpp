#include "shell/ui/HelpWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "platform/Host.h"

namespace jw {

namespace {

constexpr int kTopicRole = Qt::UserRole + 1;

QString ReadText(const QString& path, bool* ok = nullptr) {
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok != nullptr) {
        *ok = opened;
    }
    return opened ? QString::fromUtf8(file.readAll()) : QString();
}

// The application-wide F1 handler and the one help window.
class HelpSystem : public QObject {
  public:
    HelpSystem(Host& host, std::string executableFolder)
        : host(host), executableFolder(std::move(executableFolder)) {}

    void Show(const QString& topic) {
        const auto folder = FindHelpFolder(executableFolder, [](const std::string& path) {
            return QFileInfo::exists(QString::fromStdString(path));
        });
        if (!folder) {
            host.ShowMessage(MessageKind::Information, kHelpMissingMessage, MessageButtons::Ok);
            return;
        }
        if (window == nullptr) {
            window = new TfrmJHelp(*folder);
            window->setAttribute(Qt::WA_DeleteOnClose);
        }
        if (!window->ShowTopic(NormalizeTopic(topic.toStdString())) &&
            !window->ShowTopic(kHelpFrontPage)) {
            host.ShowMessage(MessageKind::Information, kHelpMissingMessage, MessageButtons::Ok);
            return;
        }
        // Asked from a modal dialog, the help must be modal too, or the
        // dialog would block it.
        const Qt::WindowModality modality = QApplication::activeModalWidget() != nullptr &&
                                                    QApplication::activeModalWidget() != window
                                                ? Qt::ApplicationModal
                                                : Qt::NonModal;
        if (window->windowModality() != modality) {
            window->hide();
            window->setWindowModality(modality);
        }
        window->show();
        window->raise();
        window->activateWindow();
    }

    QPointer<TfrmJHelp> window;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // F1 is the shortcut of "&Contents" in the main window: it is taken
        // here before any shortcut, so that every window gets its own page.
        // The title bar's "?" button asks for the window's page too.
        if (event->type() == QEvent::EnterWhatsThisMode) {
            if (auto* widget = qobject_cast<QWidget*>(watched); widget != nullptr) {
                Show(HelpTopicFor(widget));
                return true;
            }
            return false;
        }
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr) {
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();  // no shortcut: the key press follows
            return true;
        }
        if (widget->window() != window) {
            Show(HelpTopicFor(widget));
        }
        return true;
    }

  private:
    Host& host;
    std::string executableFolder;
};

HelpSystem* helpSystem = nullptr;

}  // namespace

TfrmJHelp::TfrmJHelp(std::string folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder(std::move(folder)) {
    setWindowTitle(QStringLiteral("Jadewind 2007 Help"));
    setObjectName(QStringLiteral("frmJHelp"));
    resize(960, 700);

    auto* buttons = new QHBoxLayout;
    const auto makeButton = [this, buttons](const QString& text, Qt::ArrowType arrow) {
        auto* button = new QToolButton(this);
        button->setText(text);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setArrowType(arrow);
        buttons->addWidget(button);
        return button;
    };
    backButton = makeButton(QStringLiteral("&Back"), Qt::LeftArrow);
    forwardButton = makeButton(QStringLiteral("&Forward"), Qt::RightArrow);
    QToolButton* homeButton = makeButton(QStringLiteral("&Home"), Qt::UpArrow);
    buttons->addStretch();

    contents = new QTreeWidget(this);
    contents->setHeaderHidden(true);
    searchEdit = new QLineEdit(this);
    searchEdit->setPlaceholderText(QStringLiteral("Words to find"));
    searchEdit->setClearButtonEnabled(true);
    searchResults = new QListWidget(this);
    auto* searchPage = new QWidget(this);
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(searchEdit);
    searchLayout->addWidget(searchResults);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(contents, QStringLiteral("&Contents"));
    tabs->addTab(searchPage, QStringLiteral("&Search"));

    browser = new QTextBrowser(this);
    browser->setOpenLinks(false);
    browser->setSearchPaths({QString::fromStdString(this->folder)});

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs);
    splitter->addWidget(browser);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({260, 700});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);

    connect(backButton, &QToolButton::clicked, browser, &QTextBrowser::backward);
    connect(forwardButton, &QToolButton::clicked, browser, &QTextBrowser::forward);
    connect(homeButton, &QToolButton::clicked, this, [this] { ShowTopic(kHelpFrontPage); });
    connect(browser, &QTextBrowser::backwardAvailable, backButton, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forwardButton, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this, &TfrmJHelp::SourceChanged);
    connect(browser, &QTextBrowser::anchorClicked, this, &TfrmJHelp::LinkClicked);
    connect(contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString topic = item->data(0, kTopicRole).toString();
        if (!topic.isEmpty()) {
            ShowTopic(topic.toStdString());
        }
    });
    connect(contents, &QTreeWidget::itemClicked, contents, &QTreeWidget::itemActivated);
    connect(searchEdit, &QLineEdit::returnPressed, this, &TfrmJHelp::RunSearch);
    connect(searchResults, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ShowTopic(item->data(kTopicRole).toString().toStdString());
    });
    connect(searchResults, &QListWidget::itemClicked, searchResults, &QListWidget::itemActivated);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    BuildContents();
}

void TfrmJHelp::BuildContents() {
    const QString text =
        ReadText(QString::fromStdString(folder) + QString::fromUtf8(kHelpContentsFile));
    std::vector<QTreeWidgetItem*> parents;
    for (const HelpContentsEntry& entry : ParseHelpContents(text.toStdString())) {
        parents.resize(static_cast<std::size_t>(entry.depth));
        auto* item =
            parents.empty() ? new QTreeWidgetItem(contents) : new QTreeWidgetItem(parents.back());
        item->setText(0, QString::fromStdString(entry.title));
        item->setData(0, kTopicRole, QString::fromStdString(entry.topic));
        parents.push_back(item);
    }
    contents->expandToDepth(0);
}

void TfrmJHelp::BuildSearchIndex() {
    indexBuilt = true;
    const QString root = QString::fromStdString(folder);
    QDirIterator pages(root + QStringLiteral("html"), {QStringLiteral("*.htm")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString path = pages.next();
        index.Add(QDir(root).relativeFilePath(path).toStdString(), ReadText(path).toStdString());
    }
}

void TfrmJHelp::RunSearch() {
    if (!indexBuilt) {
        BuildSearchIndex();
    }
    searchResults->clear();
    const auto hits = index.Search(searchEdit->text().toStdString());
    for (const HelpSearchIndex::Hit& hit : hits) {
        auto* item = new QListWidgetItem(QString::fromStdString(hit.title), searchResults);
        item->setData(kTopicRole, QString::fromStdString(hit.topic));
    }
    if (hits.empty()) {
        auto* item =
            new QListWidgetItem(QStringLiteral("No page holds these words."), searchResults);
        item->setFlags(Qt::NoItemFlags);
    }
}

bool TfrmJHelp::ShowTopic(const std::string& topic) {
    const QString path = QString::fromStdString(folder + NormalizeTopic(topic));
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    if (browser->source() != url) {
        browser->setSource(url);
    }
    return true;
}

std::string TfrmJHelp::CurrentTopic() const {
    const QString path = browser->source().toLocalFile();
    return QDir(QString::fromStdString(folder)).relativeFilePath(path).toStdString();
}

void TfrmJHelp::SourceChanged(const QUrl& url) {
    const QString help = QStringLiteral("Jadewind 2007 Help");
    const QString title = browser->documentTitle();
    setWindowTitle(title.isEmpty() || title == help ? help : title + QStringLiteral(" - ") + help);
    // The contents tree follows the page on show.
    const QString topic = QDir(QString::fromStdString(folder)).relativeFilePath(url.toLocalFile());
    for (QTreeWidgetItemIterator it(contents); *it != nullptr; ++it) {
        if ((*it)->data(0, kTopicRole).toString() == topic) {
            contents->setCurrentItem(*it);
            break;
        }
    }
}

void TfrmJHelp::LinkClicked(const QUrl& url) {
    if (!url.isRelative() && !url.isLocalFile()) {
        // Pages outside the help go to the system's web browser.
        QDesktopServices::openUrl(url);
        return;
    }
    browser->setSource(browser->source().resolved(url));
}

void InstallHelp(Host& host, const std::string& executableFolder) {
    UninstallHelp();
    helpSystem = new HelpSystem(host, executableFolder);
    qApp->installEventFilter(helpSystem);
}

void UninstallHelp() {
    if (helpSystem == nullptr) {
        return;
    }
    qApp->removeEventFilter(helpSystem);
    delete helpSystem->window;
    delete helpSystem;
    helpSystem = nullptr;
}

void ShowHelpTopic(QWidget* parent, const QString& topic) {
    (void)parent;
    if (helpSystem != nullptr) {
        helpSystem->Show(topic);
    }
}

QString HelpTopicFor(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const QVariant topic = w->property("helpTopic");
        if (topic.isValid() && !topic.toString().isEmpty()) {
            return topic.toString();
        }
    }
    return QString::fromUtf8(kHelpFrontPage);
}

void ShowHelpFor(QWidget* widget) {
    ShowHelpTopic(widget, HelpTopicFor(widget));
}

TfrmJHelp* HelpWindowInstance() {
    return helpSystem != nullptr ? helpSystem->window.data() : nullptr;
}

}  // namespace jw
