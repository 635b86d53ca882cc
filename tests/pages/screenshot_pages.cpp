// SPDX-License-Identifier: MIT
// Renders the two tabs' panes as the main window places them and saves them as PNG files,
// so the pages can be looked at without starting the program: screenshot_pages <folder>.
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QWidget>
#include <load_pages.h>
#include <recording_message_service.h>

namespace {

// A pane at its place on a tab, in pixels (the window's design, at 96 dpi).
pages::WebPane* PlacePane(QWidget& tab, const char* name, QRect place) {
    auto* pane = new pages::WebPane(&tab);
    pane->setObjectName(QLatin1String(name));
    pane->setGeometry(place);
    return pane;
}

QWidget* MakeTab(QSize size) {
    auto* tab = new QWidget;
    tab->setAttribute(Qt::WA_DontShowOnScreen);
    tab->setAutoFillBackground(true);
    tab->setPalette(QPalette(Qt::white));
    tab->resize(size);
    return tab;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    QWidget* helpTab = MakeTab({641, 361});
    QWidget* toolsTab = MakeTab({641, 361});
    const pages::Panes panes{
        PlacePane(*helpTab, "ucHelpDisplay", {16, 40, 609, 305}),
        PlacePane(*toolsTab, "ucVarnelGold", {16, 32, 609, 113}),
        PlacePane(*toolsTab, "ucVarnelVideos", {16, 152, 193, 193}),
        PlacePane(*toolsTab, "ucSEOZorvik", {224, 152, 193, 193}),
        PlacePane(*toolsTab, "ucMarlo", {432, 152, 193, 193}),
    };
    helpTab->show();
    toolsTab->show();

    calc::RecordingMessageService messages;
    QSignalSpy lastLoaded(panes.marlo, &pages::WebPane::documentComplete);
    pages::LoadPages(panes, toolsTab, messages);
    // The panes load in the order asked, so the last one done means all are.
    if (!lastLoaded.wait(5000))
        return 1;
    // Scroll bars come and go from the event loop, after the page's size is known.
    QApplication::processEvents();

    const bool saved = helpTab->grab().save(out.filePath(QStringLiteral("pages-help.png"))) &&
                       toolsTab->grab().save(out.filePath(QStringLiteral("pages-recommended.png")));
    delete helpTab;
    delete toolsTab;
    return saved ? 0 : 1;
}
