// Collects the terminal's full memory (6502 records) from the simulator over
// a pseudo-terminal and reports the time and the line's throughput against
// the configured speed.
//
//   bench_collector [--baud B] [--pace]
// --pace makes the simulator send no faster than B baud allows, as a real
// line would; without it the pseudo-terminal runs at memory speed.

#include "RecordGenerator.h"
#include "TerminalSimulator.h"

#include "platform/collector/CollectorDriver.h"
#include "platform/collector/Protocol.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <string>

using namespace drav;

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    int baud = 9600;
    bool pace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--baud" && i + 1 < argc)
            baud = std::stoi(argv[++i]);
        else if (arg == "--pace")
            pace = true;
    }

    QTemporaryDir folder;
    const QString library = folder.filePath(collector::CollectorDriver::libraryFileName());
    if (!QFile::copy(QStringLiteral(MINIDRAV_LIBRARY), library)) {
        std::fprintf(stderr, "cannot copy %s\n", MINIDRAV_LIBRARY);
        return 1;
    }
    terminalsim::TerminalSimulator simulator(terminalsim::generateRecords({collector::kTerminalCapacity, 1}));
    const std::string device = simulator.openPseudoTerminal();
    simulator.setPaceBaud(pace ? baud : 0);
    QFile config(folder.filePath("minidrav.cfg"));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(("COM1=" + device + "\nBaud=" + std::to_string(baud) + "\n").c_str());
    config.close();
    simulator.start();

    collector::CollectorDriver driver(library);
    const auto started = std::chrono::steady_clock::now();
    const qint32 result = driver.coletaDados(1);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    simulator.stop();

    const auto stats = simulator.stats();
    const double bytes = static_cast<double>(stats.bytesIn + stats.bytesOut);
    const double capacity = baud / 10.0; // 8N1: ten bits per byte
    std::printf("status %d, %zu records, %.3f s%s\n", result, collector::kTerminalCapacity, seconds,
                pace ? " (paced)" : " (unpaced pseudo-terminal)");
    std::printf("line: %.0f bytes (%zu from the terminal, %zu to it), %.0f bytes/s\n", bytes, stats.bytesOut,
                stats.bytesIn, bytes / seconds);
    if (pace)
        std::printf("configured %d baud = %.0f bytes/s; the line ran at %.1f%% of it\n", baud, capacity,
                    100.0 * bytes / seconds / capacity);
    else
        std::printf("configured %d baud = %.0f bytes/s; a real line at that speed needs %.1f s\n", baud,
                    capacity, bytes / capacity);
    return result == collector::status::Done ? 0 : 1;
}
