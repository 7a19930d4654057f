// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of taking in one full search reply beside one bare pass over its bytes, and in front
// of a table of many cameras.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "camera/camera_table.h"
#include "protocol/packet_builder.h"
#include "protocol/reply_handler.h"
#include "protocol/socket_state.h"

namespace {

using tolvane::CameraRecord;
using tolvane::CameraTable;
using tolvane::PacketBuilder;

constexpr tolvane::MacAddress kHostMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};

template <std::size_t N>
void fillText(std::array<char, N>& field, char c) {
    std::memset(field.data(), c, N - 1);
}

// A search reply carrying all 30 items, texts at their longest: 1354 bytes.
std::vector<std::uint8_t> fullReply() {
    CameraRecord r;
    r.ipAddress = 0xC0A80064;
    r.subnetMask = 0xFFFFFF00;
    r.webPort = 80;
    fillText(r.hostName, 'h');
    fillText(r.extra81, 'x');
    fillText(r.extra82, 'y');
    fillText(r.extra83, 'z');
    r.cameraName.fill('n');
    r.statusCode = 0xC100;
    r.setupFlags = 0x8000;

    PacketBuilder b;
    const std::uint8_t command[] = {0x00, tolvane::SearchReply};
    const tolvane::MacAddress camera{0x00, 0x80, 0x45, 0x00, 0x00, 0x01};
    const std::uint8_t pcAddress[] = {192, 168, 1, 10};
    b.setHeaderField(tolvane::kClearHeaderOffset, nullptr, 0);
    b.setHeaderField(tolvane::kCommandOffset, command, 2);
    b.setHeaderField(tolvane::kCameraMacOffset, camera.data(), 6);
    b.setHeaderField(tolvane::kPcMacOffset, kHostMac.data(), 6);
    b.setHeaderField(tolvane::kPcAddressOffset, pcAddress, 4);
    b.setHeaderField(tolvane::kSignatureOffset, tolvane::kPacketSignature.data(), 10);
    b.beginItems();
    b.encodeRecord(r);
    const std::uint8_t ipv6[16] = {0xFE, 0x80};
    const std::uint8_t port[] = {0x01, 0xBB};
    const std::uint8_t one[] = {0x01};
    b.appendItem(0x40, 16, ipv6);
    b.appendItem(0x44, 2, port);
    b.appendItem(0xB6, 1, one);
    b.appendItem(0xB7, 1, one);
    const std::uint16_t size = b.finish();
    return {b.buffer.begin(), b.buffer.begin() + size};
}

void BM_ByteSum(benchmark::State& state) {
    const std::vector<std::uint8_t> reply = fullReply();
    for (auto _ : state) {
        benchmark::DoNotOptimize(reply.data());
        std::uint32_t sum = 0;
        for (std::uint8_t byte : reply)
            sum += byte;
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_ByteSum);

// validate, findCamera and decodeItems into the camera's record, as the receive handler runs
// them on a reply already in the buffer.
void BM_ValidateDecodeApply(benchmark::State& state) {
    const std::vector<std::uint8_t> reply = fullReply();
    PacketBuilder builder;
    builder.receive(reply.data(), reply.size());
    CameraTable table;
    table.hostMac = kHostMac;
    tolvane::ReplyState replyState = tolvane::ReplyState::None;
    for (auto _ : state) {
        applyReply(builder, table, tolvane::SocketMode::Discovery, std::nullopt, replyState);
        benchmark::DoNotOptimize(table.cameraTable[0].statusCode);
        benchmark::ClobberMemory();
    }
    if (table.cameraCount != 1 || table.cameraTable[0].statusCode != 0xC100)
        state.SkipWithError("the reply was not applied");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_ValidateDecodeApply);

// The same with the copy of the datagram into the buffer.
void BM_ReceiveValidateDecodeApply(benchmark::State& state) {
    const std::vector<std::uint8_t> reply = fullReply();
    PacketBuilder builder;
    CameraTable table;
    table.hostMac = kHostMac;
    tolvane::ReplyState replyState = tolvane::ReplyState::None;
    for (auto _ : state) {
        builder.receive(reply.data(), reply.size());
        applyReply(builder, table, tolvane::SocketMode::Discovery, std::nullopt, replyState);
        benchmark::DoNotOptimize(table.cameraTable[0].statusCode);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_ReceiveValidateDecodeApply);

// A table of `count` other cameras, in front of the reply's camera.
CameraTable tableOf(int count) {
    CameraTable table;
    table.hostMac = kHostMac;
    for (int i = 0; i < count; ++i) {
        CameraRecord& record = table.cameraTable[static_cast<std::size_t>(table.appendCamera())];
        record.mac = {0x02,
                      0x00,
                      0x00,
                      0x00,
                      static_cast<std::uint8_t>(i >> 8),
                      static_cast<std::uint8_t>(i)};
    }
    return table;
}

// The reply of the last camera of a site of state.range(0) cameras: findCamera walks the whole
// table before it comes to the record.
void BM_ApplyToTheLastOfManyCameras(benchmark::State& state) {
    const std::vector<std::uint8_t> reply = fullReply();
    PacketBuilder builder;
    builder.receive(reply.data(), reply.size());
    CameraTable table = tableOf(static_cast<int>(state.range(0)) - 1);
    tolvane::ReplyState replyState = tolvane::ReplyState::None;
    for (auto _ : state) {
        applyReply(builder, table, tolvane::SocketMode::Discovery, std::nullopt, replyState);
        benchmark::ClobberMemory();
    }
    if (table.cameraCount != state.range(0))
        state.SkipWithError("the reply was not applied");
}
BENCHMARK(BM_ApplyToTheLastOfManyCameras)->Arg(20)->Arg(1000)->Arg(CameraTable::kCapacity);

// A forged reply to a full table: the walk finds nothing and the camera is counted as dropped.
void BM_ApplyToAFullTable(benchmark::State& state) {
    const std::vector<std::uint8_t> reply = fullReply();
    PacketBuilder builder;
    builder.receive(reply.data(), reply.size());
    CameraTable table = tableOf(CameraTable::kCapacity);
    tolvane::ReplyState replyState = tolvane::ReplyState::None;
    for (auto _ : state) {
        applyReply(builder, table, tolvane::SocketMode::Discovery, std::nullopt, replyState);
        benchmark::ClobberMemory();
    }
    if (table.droppedCount() != 1)
        state.SkipWithError("the reply was not dropped");
}
BENCHMARK(BM_ApplyToAFullTable);

}  // namespace

BENCHMARK_MAIN();
