// Items read one after another, computed on several threads and handed on
// in the order they were read: the batch tool's rows on every core with the
// output of one. Plain C++ over oneTBB's pipeline.
#pragma once

#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/parallel_pipeline.h>
#include <oneapi/tbb/task_arena.h>

#include <cstddef>
#include <vector>

namespace nyra {

// Items travel through the pipeline in chunks, so that its hand-overs cost
// little beside the items' own work (several microseconds a row), while a
// slow chunk holds back little output: at most this many items, and no
// more once their input holds this many bytes.
inline constexpr std::size_t kItemsPerChunk = 64;
inline constexpr std::size_t kChunkInputBytes = 256 * 1024;
// Chunks under way per thread: one being computed, one waiting to be.
inline constexpr int kChunksPerJob = 2;

namespace ordered_pipeline {

template <typename Item>
struct Chunk {
    std::vector<Item> items;
    std::size_t used = 0;
};

// The pipeline lets no more than `tokens` chunks be under way, and emits
// them in order: when chunk k is read, chunk k - tokens has been emitted, so
// a ring of `tokens` chunks is enough and reuses its items.
template <typename Item>
class ChunkRing {
public:
    explicit ChunkRing(std::size_t tokens) : ring_(tokens) {}

    // The next chunk of the ring filled by read(item); nullptr when nothing
    // more was read.
    template <typename Read, typename Stopped>
    Chunk<Item>* Fill(Read& read, Stopped& stopped) {
        Chunk<Item>& chunk = ring_[next_++ % ring_.size()];
        chunk.used = 0;
        std::size_t bytes = 0;
        while (!ended_ && chunk.used < kItemsPerChunk && bytes < kChunkInputBytes && !stopped()) {
            if (chunk.used == chunk.items.size()) chunk.items.emplace_back();
            Item& item = chunk.items[chunk.used];
            if (!read(item)) {
                ended_ = true;
                break;
            }
            bytes += item.InputBytes();
            ++chunk.used;
        }
        return chunk.used == 0 ? nullptr : &chunk;
    }

private:
    std::vector<Chunk<Item>> ring_;
    std::size_t next_ = 0;
    bool ended_ = false;  // read said so: asking again could wait on a terminal
};

}  // namespace ordered_pipeline

// Calls read(item) for each next item until it returns false, compute(item)
// on each item read, and emit(item) on each computed item in the order read.
// Before each read, and before each emit, stopped() is asked; once it says
// true nothing more is read or emitted.
//
// With one job everything happens on the calling thread, one item after the
// other: read, compute, emit, read... With more, read and emit run on one
// thread at a time and compute on up to `jobs` threads at once; emit gets
// the same items in the same order as with one job, but read may run up to
// a few chunks ahead of emit. `Item` is default-constructible and has
// InputBytes(); read gets items back for reuse, and must overwrite them.
template <typename Item, typename Read, typename Compute, typename Emit, typename Stopped>
void RunInOrder(int jobs, Read&& read, Compute&& compute, Emit&& emit, Stopped&& stopped) {
    if (jobs <= 1) {
        Item item;
        while (!stopped() && read(item)) {
            compute(item);
            emit(item);
        }
        return;
    }

    using Chunk = ordered_pipeline::Chunk<Item>;
    const auto tokens = static_cast<std::size_t>(jobs) * kChunksPerJob;
    ordered_pipeline::ChunkRing<Item> ring(tokens);
    const auto readChunk = [&](oneapi::tbb::flow_control& control) -> Chunk* {
        Chunk* chunk = ring.Fill(read, stopped);
        if (!chunk) control.stop();
        return chunk;
    };
    const auto computeChunk = [&](Chunk* chunk) {
        for (std::size_t i = 0; i < chunk->used; ++i) compute(chunk->items[i]);
        return chunk;
    };
    const auto emitChunk = [&](Chunk* chunk) {
        for (std::size_t i = 0; i < chunk->used && !stopped(); ++i) emit(chunk->items[i]);
    };

    // By default the library keeps one thread per core and warns, on
    // standard error, when an arena asks for more: the limit follows the
    // asked number instead, so more jobs than cores is quietly allowed.
    const oneapi::tbb::global_control threads(oneapi::tbb::global_control::max_allowed_parallelism,
                                              static_cast<std::size_t>(jobs));
    oneapi::tbb::task_arena arena(jobs);
    arena.execute([&] {
        using oneapi::tbb::filter_mode;
        using oneapi::tbb::make_filter;
        oneapi::tbb::parallel_pipeline(tokens, make_filter<void, Chunk*>(filter_mode::serial_in_order, readChunk) &
                                                   make_filter<Chunk*, Chunk*>(filter_mode::parallel, computeChunk) &
                                                   make_filter<Chunk*, void>(filter_mode::serial_in_order, emitChunk));
    });
}

}  // namespace nyra
