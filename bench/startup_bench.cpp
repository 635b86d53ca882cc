// SPDX-License-Identifier: MIT
// Start-up cost of the program next to a bare Qt window with the same kinds of widgets:
// the time from starting the process to its first painted window, and the process's
// proportional set size (PSS) three seconds later. Run it under an X display:
//   xvfb-run -a ./build/default/bench/startup_bench [runs]
#include "tests/support/x_client.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kBareWindowFlag = "--bare-window";

// The widgets of the calculator's window, in its fonts and sizes, without the calculator,
// its images and its pages.
int ShowBareWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont::insertSubstitution("Verdana", "DejaVu Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    const QFont windowFont("Verdana", 8);
    QFont bold("Verdana", 10, QFont::Bold);
    QWidget window;
    window.setFont(windowFont);
    window.setFixedSize(656, 510);
    window.setWindowTitle("Bare window");
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    window.setPalette(palette);
    auto* header = new QLabel(&window);
    QPixmap banner(655, 116);
    banner.fill(QColor(240, 246, 240));
    header->setPixmap(banner);
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(8, 128, 641, 353);
    auto* calculator = new QWidget;
    const auto label = [&](const QString& text, int x, int y, const QFont& font) {
        auto* widget = new QLabel(text, calculator);
        widget->setFont(font);
        widget->move(x, y);
    };
    for (int row = 0; row < 4; ++row) {
        label(QString("Row %1:").arg(row), 16, 88 + 40 * row, bold);
        label("0", 320, 88 + 40 * row, bold);
    }
    for (int row = 0; row < 5; ++row) {
        label("Earning:", 470, 60 + 40 * row, bold);
        label("$0.00", 480, 78 + 40 * row, bold);
    }
    for (int i = 0; i < 3; ++i)
        label(QString("Heading %1").arg(i), 150 + 150 * i, 56, bold);
    label("Increase By:", 16, 104, windowFont);
    label(".", 200, 230, QFont("Arial", 16, QFont::Bold));
    for (int i = 0; i < 5; ++i) {
        auto* box = new QLineEdit("0", calculator);
        box->setFont(bold);
        box->setGeometry(160, 90 + 40 * i, 95, 27);
        for (int arrow = 0; arrow < 2; ++arrow)
            (new QToolButton(calculator))->setGeometry(143, 90 + 40 * i + 13 * arrow, 17, 13);
    }
    for (int i = 0; i < 4; ++i)
        (new QRadioButton(QString::number(100 * (i + 1)), calculator))
            ->move(16 + 48 * (i / 2), 120 + 24 * (i % 2));
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(QString("Button &%1").arg(i), calculator);
        button->setFont(bold);
        button->setGeometry(16 + 200 * i, 304, 80, 23);
        (new QFrame(calculator))->setFrameShape(QFrame::Box);
    }
    tabs->addTab(calculator, "&Calculator");
    auto* help = new QWidget;
    new QWidget(help);
    tabs->addTab(help, "&Help");
    auto* tools = new QWidget;
    for (int i = 0; i < 4; ++i)
        new QWidget(tools);
    tabs->addTab(tools, "&Tools");
    auto* footer = new QLabel("Copyright", &window);
    footer->setGeometry(8, 488, 641, 17);
    window.show();
    return app.exec();
}

long PssKilobytes(pid_t pid) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string key; rollup >> key;) {
        long value = 0;
        if (key == "Pss:" && rollup >> value)
            return value;
        rollup.ignore(1 << 16, '\n');
    }
    return -1;
}

struct Sample {
    double firstPaintMs;
    long pssKilobytes;
};

std::optional<Sample> Measure(const std::vector<std::string>& command, XClient& display) {
    std::vector<char*> argv;
    for (const auto& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return std::nullopt;
    std::optional<Sample> sample;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (const xcb_window_t window = display.windowOf(pid);
            window != XCB_WINDOW_NONE && display.painted(window)) {
            const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
            std::this_thread::sleep_for(std::chrono::seconds(3));
            sample = Sample{elapsed.count(), PssKilobytes(pid)};
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == kBareWindowFlag)
        return ShowBareWindow(argc, argv);

    XClient display;
    if (!display.ok()) {
        std::fprintf(stderr, "startup_bench needs an X display (run it under xvfb-run -a)\n");
        return 2;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::vector<std::string> program = {VARNELCALC_PROGRAM};
    const std::vector<std::string> bare = {std::filesystem::read_symlink("/proc/self/exe"),
                                           kBareWindowFlag};

    std::vector<double> programMs, bareMs, programPss, barePss;
    for (int run = 0; run < runs; ++run) {
        // Alternate, so that whatever else the machine does weighs on both alike.
        for (const bool isProgram : {true, false}) {
            const auto sample = Measure(isProgram ? program : bare, display);
            if (!sample) {
                std::fprintf(stderr, "%s showed no painted window\n",
                             isProgram ? "program" : "bare window");
                return 1;
            }
            (isProgram ? programMs : bareMs).push_back(sample->firstPaintMs);
            (isProgram ? programPss : barePss).push_back(static_cast<double>(sample->pssKilobytes));
        }
    }
    const double timeRatio = Median(programMs) / Median(bareMs);
    const double pssRatio = Median(programPss) / Median(barePss);
    std::printf("medians of %d runs each\n", runs);
    std::printf("%-12s first paint %7.1f ms   PSS %7.1f MB\n", "VarnelCalc", Median(programMs),
                Median(programPss) / 1024);
    std::printf("%-12s first paint %7.1f ms   PSS %7.1f MB\n", "bare window", Median(bareMs),
                Median(barePss) / 1024);
    std::printf("ratio        first paint %7.2f      PSS %7.2f    (target: at most 1.15 each)\n",
                timeRatio, pssRatio);
    return 0;
}
