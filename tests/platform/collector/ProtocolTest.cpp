#include "platform/collector/Protocol.h"

#include <gtest/gtest.h>

using namespace drav::collector;

namespace {

std::vector<std::uint8_t> bytesOf(const std::string &text) {
    return {text.begin(), text.end()};
}

Frame sampleFrame() {
    return Frame{MessageType::Chunk, 7, bytesOf("payload bytes")};
}

std::vector<Frame> decodeAll(const std::vector<std::uint8_t> &bytes, FrameDecoder &decoder) {
    decoder.feed(bytes.data(), bytes.size());
    std::vector<Frame> frames;
    while (auto frame = decoder.next())
        frames.push_back(*frame);
    return frames;
}

} // namespace

TEST(Crc16, MatchesTheCcittFalseCheckValue) {
    const auto data = bytesOf("123456789");
    EXPECT_EQ(crc16(data.data(), data.size()), 0x29B1);
}

TEST(FrameDecoder, ReturnsFramesSplitAcrossReadsAndAfterNoise) {
    std::vector<std::uint8_t> stream = bytesOf("noise");
    for (int i = 0; i < 3; ++i) {
        const auto frame = encodeFrame(Frame{MessageType::Pong, static_cast<std::uint8_t>(i), {1, 2, kStx}});
        stream.insert(stream.end(), frame.begin(), frame.end());
    }
    FrameDecoder decoder;
    std::vector<Frame> frames;
    for (std::uint8_t byte : stream) { // one byte per read, the worst case
        decoder.feed(&byte, 1);
        while (auto frame = decoder.next())
            frames.push_back(*frame);
    }
    ASSERT_EQ(frames.size(), 3u);
    for (std::uint8_t i = 0; i < 3; ++i) {
        EXPECT_EQ(frames[i].seq, i);
        EXPECT_EQ(frames[i].type, MessageType::Pong);
        EXPECT_EQ(frames[i].payload, (std::vector<std::uint8_t>{1, 2, kStx}));
    }
}

TEST(FrameDecoder, RejectsEveryDamagedFrameAndResynchronises) {
    const auto good = encodeFrame(sampleFrame());
    struct Case {
        const char *name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases;
    for (std::size_t at = 1; at < good.size(); ++at) {
        auto flipped = good;
        flipped[at] ^= 0x01;
        cases.push_back({"flipped byte", flipped});
    }
    cases.push_back({"truncated", std::vector<std::uint8_t>(good.begin(), good.begin() + 9)});
    cases.push_back({"length beyond the limit", {kStx, 'r', 1, 0xFF, 0xFF, 0, 0}});

    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FrameDecoder decoder;
        auto stream = c.bytes;
        // A damaged length may hold the decoder until enough bytes arrive;
        // a quiet line ends that, as the reader resets on silence.
        EXPECT_TRUE(decodeAll(stream, decoder).empty());
        decoder.reset();
        const auto after = decodeAll(good, decoder);
        ASSERT_EQ(after.size(), 1u);
        EXPECT_EQ(after[0].payload, sampleFrame().payload);
    }
}

TEST(FrameDecoder, FindsAGoodFrameRightAfterABadOne) {
    auto bad = encodeFrame(sampleFrame());
    bad[7] ^= 0x20;
    const auto good = encodeFrame(Frame{MessageType::Erased, 9, {}});
    bad.insert(bad.end(), good.begin(), good.end());
    FrameDecoder decoder;
    const auto frames = decodeAll(bad, decoder);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].seq, 9);
    EXPECT_GE(decoder.rejectedFrames(), 1u);
}

TEST(Chunk, RoundTripsAndRejectsMalformedPayloads) {
    const std::vector<Record> records{
        {"20240506060101", '3', "00012"}, {"20240506060202", 'F', "A1B2C"}, {"20240506060303", '4', "00005"}};
    const auto payload = encodeChunk(4, records);
    const auto chunk = decodeChunk(payload);
    ASSERT_TRUE(chunk);
    EXPECT_EQ(chunk->index, 4);
    EXPECT_EQ(chunk->records, records);

    const std::vector<std::uint8_t> shortened(payload.begin(), payload.end() - 1);
    auto wrongCount = payload;
    wrongCount[2] = 2;
    auto badType = payload;
    badType[3 + 14] = 'X';
    auto letterInStamp = payload;
    letterInStamp[3] = 'A';
    auto controlInValue = payload;
    controlInValue[3 + 16] = '\n';
    for (const auto &bad : {shortened, wrongCount, badType, letterInStamp, controlInValue})
        EXPECT_FALSE(decodeChunk(bad));
}

TEST(Chunk, CountsSplitTheMemoryIntoFullChunksAndARest) {
    EXPECT_EQ(chunkCount(0), 0u);
    EXPECT_EQ(chunkCount(kRecordsPerChunk), 1u);
    EXPECT_EQ(chunkCount(kTerminalCapacity), 204u);
    EXPECT_EQ(recordsInChunk(kTerminalCapacity, 203), kTerminalCapacity - 203 * kRecordsPerChunk);
    EXPECT_EQ(recordsInChunk(10, 1), 0u);
    EXPECT_LE(3 + kRecordsPerChunk * kRecordSize, kMaxPayload);
}

TEST(Timestamp, AcceptsOnlyRealDatesAndTimes) {
    const std::vector<std::pair<const char *, bool>> cases{
        {"20240229235959", true},  {"20230229120000", false}, {"20241301120000", false},
        {"20240431120000", false}, {"20240101240000", false}, {"20240101126000", false},
        {"2024010112000", false},  {"2024010112000a", false}, {"19991231000000", true},
    };
    for (const auto &[text, valid] : cases)
        EXPECT_EQ(isValidTimestamp(text), valid) << text;
}
