#include "RecordGenerator.h"

#include <gtest/gtest.h>

#include <map>

using namespace drav;
using collector::Record;

namespace {

struct Kinds {
    int orders = 0, productions = 0, punches = 0, certificates = 0;
};

// Classifies as the collector dialog reads the file: a quantity belongs to
// the order in force, an iButton read not followed by a quantity is a punch.
Kinds classify(const std::vector<Record> &records) {
    Kinds kinds;
    std::string order = "00000";
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record &r = records[i];
        const char next = i + 1 < records.size() ? records[i + 1].type : 'F';
        if (r.type == '3') {
            order = r.value;
            ++kinds.orders;
        } else if (r.type == 'F' && next != '4') {
            ++kinds.punches;
        } else if (r.type == '4') {
            EXPECT_EQ(records[i - 1].type, 'F') << "quantity without an iButton at " << i;
            ++(order == "00000" ? kinds.certificates : kinds.productions);
        }
    }
    return kinds;
}

} // namespace

TEST(RecordGenerator, GivesExactlyTheCountWithEveryKindOfRecord) {
    for (std::size_t count : {1u, 2u, 3u, 500u, 6502u}) {
        const auto records = terminalsim::generateRecords({count, 7});
        ASSERT_EQ(records.size(), count);
        for (const Record &record : records)
            EXPECT_TRUE(collector::isValidRecord(record));
    }
    const Kinds kinds = classify(terminalsim::generateRecords({2000, 7}));
    EXPECT_GT(kinds.orders, 0);
    EXPECT_GT(kinds.productions, 0);
    EXPECT_GT(kinds.punches, 0);
    EXPECT_GT(kinds.certificates, 0);
}

TEST(RecordGenerator, CertificatesCarryARealDayAndMonth) {
    const auto records = terminalsim::generateRecords({3000, 11});
    std::string order;
    int seen = 0;
    for (const Record &r : records) {
        if (r.type == '3')
            order = r.value;
        if (r.type == '4' && order == "00000") {
            const int dayMonth = std::stoi(r.value);
            EXPECT_GE(dayMonth / 100, 1);
            EXPECT_LE(dayMonth / 100, 28);
            EXPECT_GE(dayMonth % 100, 1);
            EXPECT_LE(dayMonth % 100, 12);
            ++seen;
        }
    }
    EXPECT_GT(seen, 0);
}

TEST(RecordGenerator, IsRepeatableAndTimestampsAscend) {
    const auto first = terminalsim::generateRecords({300, 3});
    EXPECT_EQ(first, terminalsim::generateRecords({300, 3}));
    EXPECT_NE(first, terminalsim::generateRecords({300, 4}));
    for (std::size_t i = 1; i < first.size(); ++i)
        EXPECT_LT(first[i - 1].timestamp, first[i].timestamp);
    EXPECT_EQ(terminalsim::generateRecords({99999, 3}).size(), collector::kTerminalCapacity);
}
