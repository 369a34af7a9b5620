// The "&Help" menu: the help window ("&Contents", F1, the toolbar's help
// button and F1 in every other window) and the three web commands.
#include <QDesktopServices>
#include <QUrl>

#include "shell/CommandTable.h"
#include "shell/WebPages.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/J_Main.h"

// The product's web site, configured when the program is built
// (-DJW_WEB_SITE=...); empty: the web commands open pages of the help.
#ifndef JW_WEB_SITE
#define JW_WEB_SITE ""
#endif

namespace jw {

void GameShell::WireHelpCommands() {
    InstallHelp(host, executableFolder);
    TfrmJMain& w = *window;
    w.SetHandler(CommandId::HelpContents,
                 [this] { ShowHelpTopic(window.get(), QString::fromUtf8(kHelpFrontPage)); });
    const auto web = [this](WebPage page) {
        return [this, page] {
            const WebTarget target = WebCommandTarget(page, JW_WEB_SITE);
            if (target.external) {
                QDesktopServices::openUrl(QUrl(QString::fromStdString(target.address)));
            } else {
                ShowHelpTopic(window.get(), QString::fromStdString(target.address));
            }
        };
    };
    w.SetHandler(CommandId::ProductHomePage, web(WebPage::HomePage));
    w.SetHandler(CommandId::ProductNews, web(WebPage::ProductNews));
    w.SetHandler(CommandId::ProgramUpdate, web(WebPage::ProgramUpdate));
}

}  // namespace jw
