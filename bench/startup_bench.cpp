// Start-up of kometa beside a bare Qt window and the peers: from exec to a window mapped and
// fully drawn, and the idle process's resident memory, over interleaved runs.
// Usage: startup_bench RUNS NAME=COMMAND... (the first program is compared with each other)
#include "x_session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace kometa::bench;

namespace {

struct Program
{
    std::string name;
    std::vector<std::string> command;
    std::vector<double> mapped, drawn, rss;
};

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintRow(const char *label, const std::string &name, const std::vector<double> &values,
              const char *unit)
{
    std::printf("| %-10s | %-18s | %8.1f | %8.1f | %8.1f | %s |\n", label, name.c_str(),
                Median(values), *std::min_element(values.begin(), values.end()),
                *std::max_element(values.begin(), values.end()), unit);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS NAME=COMMAND NAME=COMMAND...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        Program program { argument.substr(0, argument.find('=')), {}, {}, {}, {} };
        std::istringstream words(argument.substr(argument.find('=') + 1));
        for (std::string word; words >> word;)
            program.command.push_back(word);
        programs.push_back(program);
    }

    XServer server;
    // One unmeasured start each warms the page cache and the font cache.
    for (Program &program : programs)
        if (auto launched = LaunchAndWaitDrawn(server, program.command, std::chrono::seconds(20)))
            Stop(launched->pid);

    // The first program's figures over each other's, run by run.
    std::vector<std::vector<double>> ratios(programs.size()), rssRatios(programs.size());
    for (int run = 0; run < runs; ++run) {
        // Each round starts with another program, so that none always follows the same one.
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program &program = programs[(k + static_cast<std::size_t>(run)) % programs.size()];
            auto launched = LaunchAndWaitDrawn(server, program.command, std::chrono::seconds(20));
            if (!launched) {
                std::fprintf(stderr, "%s: no fully drawn window\n", program.name.c_str());
                return 1;
            }
            // Let it settle into idleness before reading its memory.
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            program.mapped.push_back(launched->mappedMs);
            program.drawn.push_back(launched->drawnMs);
            program.rss.push_back(ResidentKiB(launched->pid) / 1024.0);
            Stop(launched->pid);
        }
        for (std::size_t i = 1; i < programs.size(); ++i) {
            ratios[i].push_back(programs[0].drawn.back() / programs[i].drawn.back());
            rssRatios[i].push_back(programs[0].rss.back() / programs[i].rss.back());
        }
    }

    std::printf("%d interleaved runs on %s\n\n", runs, server.name().c_str());
    std::printf("| measure    | program            |   median |      min |      max | unit |\n");
    std::printf("|------------|--------------------|---------:|---------:|---------:|------|\n");
    for (const Program &program : programs)
        PrintRow("drawn", program.name, program.drawn, "ms");
    for (const Program &program : programs)
        PrintRow("mapped", program.name, program.mapped, "ms");
    for (const Program &program : programs)
        PrintRow("idle RSS", program.name, program.rss, "MiB");
    std::printf("\n");
    for (std::size_t i = 1; i < programs.size(); ++i) {
        std::printf("%s / %s, pair by pair: drawn %.3f (min %.3f, max %.3f), idle RSS %.3f\n",
                    programs[0].name.c_str(), programs[i].name.c_str(), Median(ratios[i]),
                    *std::min_element(ratios[i].begin(), ratios[i].end()),
                    *std::max_element(ratios[i].begin(), ratios[i].end()),
                    Median(rssRatios[i]));
    }
    return 0;
}
