// SPDX-License-Identifier: MIT
#pragma once

#include "cli/csv_reader.h"
#include "cli/figures.h"
#include "cli/row_writer.h"
#include "planning/plan.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <future>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// Where the figures stand among a batch's columns, and a plan's other inputs.
struct FigureColumns {
    std::array<std::optional<std::size_t>, kAllFigures.size()> column;
    std::array<std::optional<std::size_t>, planning::kAllPlanInputs.size()> plan;
    calc::Notation notation = calc::Notation::DecimalPoint; // "1.000,5" in a file separated by ';'

    bool planned() const {
        return std::ranges::any_of(plan, [](const auto& at) { return at.has_value(); });
    }
};

// The rows of a batch, worked out a block at a time on two cores: while the reader fills the
// next block, a second thread works out the last one, and the reader joins in once its block
// is full. What the rows give comes out in their order, the same text one core writes. Two
// blocks of a bounded number of rows and bytes are held, so memory stays the same however long
// the batch.
class RowBlocks {
public:
    RowBlocks(const RowWriter& writer, const FigureColumns& columns);
    ~RowBlocks();
    RowBlocks(const RowBlocks&) = delete;
    RowBlocks& operator=(const RowBlocks&) = delete;

    // The output and the problems ("line N: why") of rows worked out.
    struct Worked {
        std::string out;
        std::vector<std::string> problems;
    };

    // Keeps a copy of the record. True when that filled a block: the block before it is then
    // finished into done, and the full one started.
    bool add(const CsvRecord& record, Worked& done);

    // Works out every row kept into done.
    void finish(Worked& done);

private:
    struct Row {
        long line = 0;
        std::vector<std::string> cells;
    };
    struct Block {
        std::vector<Row> rows; // the first count are the block; the rest keep their capacity
        std::size_t count = 0;
        std::size_t bytes = 0;
        std::vector<Worked> chunks;
        std::atomic<std::size_t> nextChunk = 0;
    };

    void start(Block& block);
    void complete(Block& block, Worked& done);
    void workChunks(Block& block) const;
    void work(const Row& row, Worked& worked) const;
    void workPlan(const Row& row, const Figures& figures, Worked& worked) const;

    const RowWriter& writer_;
    FigureColumns columns_;
    std::array<Block, 2> blocks_;
    std::size_t filling_ = 0;
    Block* running_ = nullptr; // started on the second thread, not yet finished
    std::future<void> helper_;
};

} // namespace cli
