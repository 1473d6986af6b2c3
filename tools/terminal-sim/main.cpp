// terminal-sim: the collector terminal on a serial device or on a
// pseudo-terminal of its own, for trying the driver without the hardware.

#include "RecordGenerator.h"
#include "TerminalSimulator.h"

#include "platform/collector/CollectedFile.h"

#include <csignal>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

#include <poll.h>
#include <unistd.h>

using namespace drav;

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int) {
    stopRequested = 1;
}

const char *kUsage =
    "uso: terminal-sim [opções]\n"
    "  --device CAMINHO      atende num dispositivo serial (padrão: abre um pseudoterminal)\n"
    "  --link CAMINHO        cria um link simbólico para o pseudoterminal (ex.: para COM1=CAMINHO)\n"
    "  --records ARQUIVO     registros no leiaute do arquivo de coleta\n"
    "  --generate N          gera N registros (padrão 200)\n"
    "  --seed S              semente da geração (padrão 1)\n"
    "  --start AAAAMMDDhhmmss  data/hora do primeiro registro gerado\n"
    "  --baud B              velocidade da linha (padrão 9600)\n"
    "  --pace                envia no ritmo da velocidade configurada\n"
    "  --clock-offset SEG    relógio do terminal adiantado (ou atrasado) em segundos\n"
    "  --silent              não responde a nada\n"
    "  --corrupt N           estraga uma de cada N respostas\n"
    "  --corrupt-mode M      flip (troca um byte) ou truncate (corta o quadro)\n"
    "comandos na entrada padrão: mudo, fala, corromper N, relogio, registros, sair\n";

struct Options {
    std::string device;
    std::string link;
    std::string recordsFile;
    terminalsim::GeneratorOptions generator;
    int baud = 9600;
    bool pace = false;
    long clockOffset = 0;
    bool silent = false;
    int corruptEvery = 0;
    terminalsim::Corruption corruption = terminalsim::Corruption::Flip;
};

bool parse(int argc, char **argv, Options &options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::invalid_argument("falta o valor de " + arg);
            return argv[++i];
        };
        if (arg == "--device")
            options.device = value();
        else if (arg == "--link")
            options.link = value();
        else if (arg == "--records")
            options.recordsFile = value();
        else if (arg == "--generate")
            options.generator.count = std::stoul(value());
        else if (arg == "--seed")
            options.generator.seed = static_cast<unsigned>(std::stoul(value()));
        else if (arg == "--start")
            options.generator.start = value();
        else if (arg == "--baud")
            options.baud = std::stoi(value());
        else if (arg == "--pace")
            options.pace = true;
        else if (arg == "--clock-offset")
            options.clockOffset = std::stol(value());
        else if (arg == "--silent")
            options.silent = true;
        else if (arg == "--corrupt")
            options.corruptEvery = std::stoi(value());
        else if (arg == "--corrupt-mode") {
            const std::string mode = value();
            if (mode != "flip" && mode != "truncate")
                throw std::invalid_argument("modo de corrupção desconhecido: " + mode);
            options.corruption =
                mode == "flip" ? terminalsim::Corruption::Flip : terminalsim::Corruption::Truncate;
        } else if (arg == "--help" || arg == "-h")
            return false;
        else
            throw std::invalid_argument("opção desconhecida: " + arg);
    }
    return true;
}

std::vector<collector::Record> initialRecords(const Options &options) {
    if (options.recordsFile.empty())
        return terminalsim::generateRecords(options.generator);
    std::vector<collector::Record> records;
    std::string error;
    if (!collector::readCollectedFile(options.recordsFile, records, error))
        throw std::runtime_error(error);
    return records;
}

void command(const std::string &line, terminalsim::TerminalSimulator &simulator) {
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    if (verb == "mudo")
        simulator.setSilent(true);
    else if (verb == "fala")
        simulator.setSilent(false);
    else if (verb == "corromper") {
        int every = 0;
        words >> every;
        simulator.setCorruption(every);
    } else if (verb == "relogio")
        std::cout << terminalsim::timestampOf(simulator.clock()) << std::endl;
    else if (verb == "registros") {
        for (const auto &record : simulator.records())
            std::cout << collector::formatLine(record) << '\n';
        std::cout << simulator.records().size() << " registros" << std::endl;
    } else if (verb == "sair")
        stopRequested = 1;
    else if (!verb.empty())
        std::cout << "comando desconhecido: " << verb << std::endl;
}

// Serves until a signal or "sair"; stdin commands while stdin lasts.
void serve(terminalsim::TerminalSimulator &simulator) {
    bool stdinOpen = true;
    while (!stopRequested) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        if (!stdinOpen || ::poll(&input, 1, 200) <= 0) {
            if (!stdinOpen)
                ::usleep(200'000);
            continue;
        }
        std::string line;
        if (!std::getline(std::cin, line)) {
            stdinOpen = false;
            continue;
        }
        command(line, simulator);
    }
}

} // namespace

int main(int argc, char **argv) {
    Options options;
    try {
        if (!parse(argc, argv, options)) {
            std::cout << kUsage;
            return 0;
        }
        terminalsim::TerminalSimulator simulator(initialRecords(options));
        if (options.device.empty())
            simulator.openPseudoTerminal();
        else
            simulator.openDevice(options.device, options.baud);
        if (!options.link.empty()) {
            ::unlink(options.link.c_str());
            if (::symlink(simulator.devicePath().c_str(), options.link.c_str()) != 0)
                throw std::runtime_error(options.link + ": " + std::strerror(errno));
        }
        simulator.setSilent(options.silent);
        simulator.setCorruption(options.corruptEvery, options.corruption);
        simulator.setPaceBaud(options.pace ? options.baud : 0);
        simulator.setClockOffset(options.clockOffset);
        simulator.setLog([](const std::string &text) { std::cout << text << std::endl; });
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
        simulator.start();
        std::cout << "terminal-sim: escutando em " << simulator.devicePath() << " ("
                  << simulator.records().size() << " registros)" << std::endl;
        serve(simulator);
        simulator.stop();
        if (!options.link.empty())
            ::unlink(options.link.c_str());
        return 0;
    } catch (const std::exception &error) {
        std::cerr << "terminal-sim: " << error.what() << '\n' << kUsage;
        return 1;
    }
}
