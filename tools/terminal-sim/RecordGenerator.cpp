#include "RecordGenerator.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <stdexcept>

namespace drav::terminalsim {

using collector::Record;

namespace {

std::string fiveDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%05d", value);
    return text;
}

std::time_t parseLocal(const std::string &digits) {
    if (!collector::isValidTimestamp(digits))
        throw std::invalid_argument("data/hora inicial inválida: " + digits);
    std::tm parts{};
    std::sscanf(digits.c_str(), "%4d%2d%2d%2d%2d%2d", &parts.tm_year, &parts.tm_mon, &parts.tm_mday,
                &parts.tm_hour, &parts.tm_min, &parts.tm_sec);
    parts.tm_year -= 1900;
    parts.tm_mon -= 1;
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

std::vector<std::string> iButtonCodes(int workers, std::mt19937 &random) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::uniform_int_distribution<int> digit(0, 15);
    std::vector<std::string> codes;
    while (codes.size() < static_cast<std::size_t>(std::max(workers, 1))) {
        std::string code(5, '0');
        for (char &c : code)
            c = hex[digit(random)];
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(code);
    }
    return codes;
}

class Generator {
public:
    explicit Generator(const GeneratorOptions &options)
        : random_(options.seed), codes_(iButtonCodes(options.workers, random_)),
          clock_(parseLocal(options.start)), count_(std::min(options.count, collector::kTerminalCapacity)) {}

    std::vector<Record> run() {
        add('3', fiveDigits(pick(1, 300)));
        while (records_.size() < count_)
            nextAction();
        return std::move(records_);
    }

private:
    void nextAction() {
        const std::size_t room = count_ - records_.size();
        const int roll = pick(1, 100);
        if (roll <= 15 || needsOrder_) {
            add('3', fiveDigits(pick(1, 300)));
            needsOrder_ = false;
        } else if (roll <= 75 && room >= 2) {
            add('F', code());
            add('4', fiveDigits(pick(1, 99)));
        } else if (roll <= 90 || room < 3) {
            add('F', code()); // a punch: the next record is no quantity
        } else {
            add('3', "00000");
            add('F', code());
            add('4', fiveDigits(pick(1, 28) * 100 + pick(1, 12)));
            needsOrder_ = true; // later quantities belong to a real order again
        }
    }

    void add(char type, std::string value) {
        clock_ += pick(5, 120);
        records_.push_back(Record{timestampOf(clock_), type, std::move(value)});
    }

    std::string code() {
        return codes_[static_cast<std::size_t>(pick(0, static_cast<int>(codes_.size()) - 1))];
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::mt19937 random_;
    std::vector<std::string> codes_;
    std::time_t clock_;
    std::size_t count_;
    bool needsOrder_ = false;
    std::vector<Record> records_;
};

} // namespace

std::vector<Record> generateRecords(const GeneratorOptions &options) {
    if (options.count == 0)
        return {};
    return Generator(options).run();
}

std::string timestampOf(std::time_t moment) {
    std::tm local{};
    ::localtime_r(&moment, &local);
    char digits[32];
    std::strftime(digits, sizeof digits, "%Y%m%d%H%M%S", &local);
    return digits;
}

} // namespace drav::terminalsim
