// SPDX-License-Identifier: MIT
// varnelcalc-cli --batch over a generated CSV of sites, next to an awk script that works out
// and formats the same nine figures (bench/batch_figures.awk), run in turn five times each.
// Reports the median time of both, their ratio, and the program's peak resident set size for
// a short and the long file (streaming keeps it the same).
//   ./build/default/bench/cli_bench [rows]        (1,000,000 rows unless given)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Sites as a publisher lists them: names (some with commas), figures with a CTR or with
// clicks, now and then an empty cell, and a column the program only carries through.
void WriteSites(const std::filesystem::path& path, long rows) {
    std::mt19937 random(20261207);
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    std::ofstream out(path, std::ios::binary);
    out << "site,impressions,ctr,clicks,ecpm,owner\n";
    for (long row = 0; row < rows; ++row) {
        if (row % 10 == 0)
            out << "\"site " << row << ", blog\",";
        else
            out << "site" << row << ".example,";
        out << between(1, 9999999) << ',';
        if (between(0, 9) < 7)
            out << between(0, 20) << '.' << between(0, 9) << ",,";
        else
            out << ',' << between(0, 99999) << ',';
        if (between(0, 19) > 0)
            out << between(0, 50) << '.' << between(10, 99);
        out << ",team" << row % 17 << '\n';
    }
}

struct Measured {
    double seconds;
    long peakRssKilobytes;
    int exitCode;
};

// Runs the command with its output thrown away, so that only the work itself is timed.
Measured Run(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& argument : command)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    return {elapsed.count(), usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

Measured RunProgram(const std::filesystem::path& sites) {
    const Measured run = Run({VARNELCALC_CLI, "--batch", sites.string()});
    if (run.exitCode != 0) {
        std::fprintf(stderr, "varnelcalc-cli ended with %d\n", run.exitCode);
        std::exit(1);
    }
    return run;
}

double Median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("varnelcalc-cli-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path small = folder / "small.csv";
    const std::filesystem::path large = folder / "sites.csv";
    WriteSites(small, 20000);
    WriteSites(large, rows);

    const Measured smallRun = RunProgram(small);
    // In turn, so that both see the same load on a shared machine.
    std::vector<double> programSeconds;
    std::vector<double> awkSeconds;
    long peakRssKilobytes = 0;
    for (int run = 0; run < 5; ++run) {
        const Measured program = RunProgram(large);
        programSeconds.push_back(program.seconds);
        peakRssKilobytes = std::max(peakRssKilobytes, program.peakRssKilobytes);
        awkSeconds.push_back(Run({"awk", "-f", BATCH_FIGURES_AWK, large.string()}).seconds);
    }
    const double program = Median(programSeconds);
    const double awk = Median(awkSeconds);

    std::printf("rows: %ld (%.1f MB)\n", rows,
                static_cast<double>(std::filesystem::file_size(large)) / 1e6);
    std::printf("varnelcalc-cli --batch: %.2f s, %.0f rows/s, peak RSS %.1f MB\n", program,
                static_cast<double>(rows) / program,
                static_cast<double>(peakRssKilobytes) / 1024);
    std::printf("awk working out the same figures: %.2f s, %.0f rows/s\n", awk,
                static_cast<double>(rows) / awk);
    std::printf("time ratio to awk: %.3f\n", program / awk);
    std::printf("peak RSS for 20000 rows: %.1f MB\n",
                static_cast<double>(smallRun.peakRssKilobytes) / 1024);
    std::filesystem::remove_all(folder);
    return 0;
}
