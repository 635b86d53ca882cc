// SPDX-License-Identifier: MIT
// What the five pages cost: parsing and laying them out, painting them, and the memory the
// five loaded panes add. Run: bench_pages (QT_QPA_PLATFORM=offscreen is used when unset).
#include "mainwindow/load_pages.h"
#include "pages/page_address.h"
#include "pages/web_pane.h"
#include "tests/support/recording_message_service.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QSignalSpy>
#include <array>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

struct Page {
    const char* suffix;
    QSize size; // the pane's, as the main window places it
};

constexpr std::array kPages = {
    Page{pages::kHelpSuffix, {609, 305}},   Page{pages::kGoldSuffix, {609, 113}},
    Page{pages::kVideosSuffix, {193, 193}}, Page{pages::kSeoSuffix, {193, 193}},
    Page{pages::kMarloSuffix, {193, 193}},
};

// Five panes at their sizes in a window on screen, as the pages are shown in the program.
struct FivePanes {
    FivePanes() {
        window.resize(641, 680);
        for (const Page& page : kPages) {
            panes.push_back(new pages::WebPane(&window));
            panes.back()->resize(page.size);
        }
        window.show();
        QCoreApplication::processEvents();
    }

    // Loads every page again and returns when all five are laid out.
    void loadAll() {
        int complete = 0;
        std::vector<QMetaObject::Connection> counting;
        for (size_t i = 0; i < kPages.size(); ++i) {
            counting.push_back(QObject::connect(panes[i], &pages::WebPane::documentComplete,
                                                [&complete] { ++complete; }));
            panes[i]->navigate(pages::PageAddress(kPages[i].suffix));
        }
        while (complete < int(kPages.size()))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        for (const QMetaObject::Connection& connection : counting)
            QObject::disconnect(connection);
    }

    QWidget window;
    std::vector<pages::WebPane*> panes;
};

// Resident and proportional set sizes of this process, in kB.
std::pair<long, long> MemoryKb() {
    QFile rollup(QStringLiteral("/proc/self/smaps_rollup"));
    long rss = 0;
    long pss = 0;
    if (rollup.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : rollup.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() >= 2 && fields[0] == "Rss:")
                rss = fields[1].toLong();
            if (fields.size() >= 2 && fields[0] == "Pss:")
                pss = fields[1].toLong();
        }
    }
    return {rss, pss};
}

// The first time, with no page work done before: five panes added to a window already on
// screen, loaded and painted as the program does it. Memory is what the panes add.
void BM_FiveLoadedPanesCold(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        window->resize(641, 680);
        window->show();
        window->repaint();
        QCoreApplication::processEvents();
        // The main window's own labels fill the font database anyway; not the pages' cost.
        QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans"));
        const auto [rssBefore, pssBefore] = MemoryKb();
        QElapsedTimer timer;
        timer.start();
        calc::RecordingMessageService messages;
        mainwindow::Panes panes{};
        for (pages::WebPane** pane :
             {&panes.help, &panes.gold, &panes.videos, &panes.seo, &panes.marlo})
            *pane = new pages::WebPane(window.get());
        for (size_t i = 0; i < kPages.size(); ++i)
            (&panes.help)[i]->resize(kPages[i].size);
        QSignalSpy lastLoaded(panes.marlo, &pages::WebPane::documentComplete);
        mainwindow::LoadPages(panes, window.get(), messages);
        for (pages::WebPane* pane : {panes.help, panes.gold, panes.videos, panes.seo, panes.marlo})
            pane->show();
        lastLoaded.wait();
        QCoreApplication::processEvents(); // painted
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        const auto [rssAfter, pssAfter] = MemoryKb();
        state.counters["rss_delta_kB"] = double(rssAfter - rssBefore);
        state.counters["pss_delta_kB"] = double(pssAfter - pssBefore);
        window.release(); // kept, as the program keeps its panes
    }
}
BENCHMARK(BM_FiveLoadedPanesCold)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ParseAndLayOutFivePages(benchmark::State& state) {
    FivePanes five;
    for (auto _ : state)
        five.loadAll();
}
BENCHMARK(BM_ParseAndLayOutFivePages)->Unit(benchmark::kMillisecond);

void BM_PaintFivePages(benchmark::State& state) {
    FivePanes five;
    five.loadAll();
    std::vector<QImage> canvases;
    for (const pages::WebPane* pane : five.panes)
        canvases.emplace_back(pane->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (size_t i = 0; i < five.panes.size(); ++i) {
            canvases[i].fill(Qt::white);
            five.panes[i]->viewport()->render(&canvases[i]);
        }
    }
}
BENCHMARK(BM_PaintFivePages)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
