// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <future>
#include <thread>
#include <utility>
#include <vector>

namespace cli {

// Work items taken a block at a time and worked out on two cores: while the caller fills the
// next block, a second thread works out the last one, and the caller joins in once its block
// is full. The results come out in the items' order, the same as one core gives. Two blocks of
// a bounded number of items and bytes are held, so memory stays the same however many items
// pass. Item slots are reused, so that their buffers keep their capacity. Result needs
// append(const Result&) and clear().
template <typename Item, typename Result> class OrderedBlocks {
public:
    using Work = std::function<void(const Item&, Result&)>;

    OrderedBlocks(Work work, std::size_t blockItems, std::size_t blockBytes, std::size_t chunkItems)
        : work_(std::move(work)), blockItems_(blockItems), blockBytes_(blockBytes),
          chunkItems_(chunkItems) {}
    ~OrderedBlocks() {
        if (helper_.valid())
            helper_.wait();
    }
    OrderedBlocks(const OrderedBlocks&) = delete;
    OrderedBlocks& operator=(const OrderedBlocks&) = delete;

    // The slot of the next item, to be filled and then pushed.
    Item& next() {
        Block& block = blocks_[filling_];
        if (block.count == block.items.size())
            block.items.emplace_back();
        return block.items[block.count];
    }

    // Takes the item filled in next(), of the given size. True when that filled a block: the
    // block before it is then finished into done, and the full one started.
    bool push(std::size_t bytes, Result& done) {
        Block& block = blocks_[filling_];
        ++block.count;
        block.bytes += bytes;
        if (block.count < blockItems_ && block.bytes < blockBytes_)
            return false;
        if (running_)
            complete(*running_, done);
        start(block);
        filling_ = 1 - filling_;
        return true;
    }

    // Works out every item taken so far into done, the running block first.
    void finish(Result& done) {
        if (running_)
            complete(*running_, done);
        Block& last = blocks_[filling_];
        if (last.count == 0)
            return;
        start(last);
        complete(last, done);
    }

private:
    // Apart from each other's cache lines: the caller counts into one while the second thread
    // works through the other.
    struct alignas(64) Block {
        std::vector<Item> items; // the first count are the block; the rest keep their capacity
        std::size_t count = 0;
        std::size_t bytes = 0;
        std::vector<Result> chunks;
        std::atomic<std::size_t> nextChunk = 0;
    };

    void start(Block& block) {
        block.chunks.resize((block.count + chunkItems_ - 1) / chunkItems_);
        for (Result& chunk : block.chunks)
            chunk.clear();
        block.nextChunk = 0;
        running_ = &block;
        if (block.chunks.size() > 1 && std::thread::hardware_concurrency() > 1)
            helper_ = std::async(std::launch::async, [this, &block] { workChunks(block); });
    }

    // The caller joins in, then waits for the chunk the second thread is still at.
    void complete(Block& block, Result& done) {
        workChunks(block);
        if (helper_.valid())
            helper_.get();
        for (const Result& chunk : block.chunks)
            done.append(chunk);
        block.count = 0;
        block.bytes = 0;
        running_ = nullptr;
    }

    void workChunks(Block& block) const {
        for (std::size_t chunk = block.nextChunk++; chunk < block.chunks.size();
             chunk = block.nextChunk++) {
            const std::size_t first = chunk * chunkItems_;
            const std::size_t last = std::min(first + chunkItems_, block.count);
            for (std::size_t index = first; index < last; ++index)
                work_(block.items[index], block.chunks[chunk]);
        }
    }

    Work work_;
    std::size_t blockItems_;
    std::size_t blockBytes_;
    std::size_t chunkItems_;
    std::array<Block, 2> blocks_;
    std::size_t filling_ = 0;
    Block* running_ = nullptr; // started on the second thread, not yet finished
    std::future<void> helper_;
};

} // namespace cli
