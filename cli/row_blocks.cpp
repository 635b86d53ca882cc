// SPDX-License-Identifier: MIT
#include "cli/row_blocks.h"

#include "cli/projection.h"

#include <algorithm>
#include <thread>

namespace cli {
namespace {

// Enough rows that a second thread pays for its start many times over, few enough that two
// blocks and their output stay small; the chunks are what the two threads take turns at.
constexpr std::size_t kBlockRows = 8192;
constexpr std::size_t kBlockBytes = 1 << 20;
constexpr std::size_t kChunkRows = 256;

std::string Line(long number) {
    return "line " + std::to_string(number) + ": ";
}

// The cell in the column, when the row has one and it holds more than blanks.
const std::string* CellAt(const std::vector<std::string>& cells,
                          const std::optional<std::size_t>& column) {
    return column && *column < cells.size() && !calc::IsBlank(cells[*column]) ? &cells[*column]
                                                                              : nullptr;
}

} // namespace

RowBlocks::RowBlocks(const RowWriter& writer, const FigureColumns& columns)
    : writer_(writer), columns_(columns) {}

RowBlocks::~RowBlocks() {
    if (helper_.valid())
        helper_.wait();
}

bool RowBlocks::add(const CsvRecord& record, Worked& done) {
    Block& block = blocks_[filling_];
    if (block.count == block.rows.size())
        block.rows.emplace_back();
    Row& row = block.rows[block.count++];
    row.line = record.line;
    row.cells.resize(record.fields.size());
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        row.cells[i].assign(record.fields[i]);
        block.bytes += record.fields[i].size();
    }
    if (block.count < kBlockRows && block.bytes < kBlockBytes)
        return false;
    if (running_)
        complete(*running_, done);
    start(block);
    filling_ = 1 - filling_;
    return true;
}

void RowBlocks::finish(Worked& done) {
    if (running_)
        complete(*running_, done);
    Block& last = blocks_[filling_];
    start(last);
    complete(last, done);
}

void RowBlocks::start(Block& block) {
    block.chunks.resize((block.count + kChunkRows - 1) / kChunkRows);
    for (Worked& chunk : block.chunks) {
        chunk.out.clear();
        chunk.problems.clear();
    }
    block.nextChunk = 0;
    running_ = &block;
    if (block.chunks.size() > 1 && std::thread::hardware_concurrency() > 1)
        helper_ = std::async(std::launch::async, [this, &block] { workChunks(block); });
}

// The reader joins in, then waits for the chunk the second thread is still at.
void RowBlocks::complete(Block& block, Worked& done) {
    workChunks(block);
    if (helper_.valid())
        helper_.get();
    for (Worked& chunk : block.chunks) {
        done.out += chunk.out;
        done.problems.insert(done.problems.end(), chunk.problems.begin(), chunk.problems.end());
    }
    block.count = 0;
    block.bytes = 0;
    running_ = nullptr;
}

void RowBlocks::workChunks(Block& block) const {
    for (std::size_t chunk = block.nextChunk++; chunk < block.chunks.size();
         chunk = block.nextChunk++) {
        const std::size_t first = chunk * kChunkRows;
        const std::size_t last = std::min(first + kChunkRows, block.count);
        for (std::size_t index = first; index < last; ++index)
            work(block.rows[index], block.chunks[chunk]);
    }
}

void RowBlocks::work(const Row& row, Worked& worked) const {
    const std::size_t columns = writer_.columns().size();
    Figures figures;
    figures.notation = columns_.notation;
    for (const Figure figure : kAllFigures) {
        if (const std::string* cell =
                CellAt(row.cells, columns_.column[static_cast<std::size_t>(figure)]))
            figures[figure] = *cell;
    }
    // A row with a goal or page views is a plan's; others are the calculator's as ever.
    const auto plans = [&](const auto& column) {
        return CellAt(row.cells, column) != nullptr;
    };
    std::optional<calc::Captions> captions;
    if (row.cells.size() != columns) {
        worked.problems.push_back(Line(row.line) + std::to_string(row.cells.size()) +
                                  " fields where the header has " + std::to_string(columns));
    } else if (std::ranges::any_of(columns_.plan, plans)) {
        return workPlan(row, figures, worked);
    } else if (auto projection = Project(figures); std::holds_alternative<Problem>(projection)) {
        worked.problems.push_back(Line(row.line) + std::get<Problem>(projection).description);
    } else {
        captions = std::move(std::get<calc::Captions>(projection));
    }
    writer_.appendRow(worked.out, row.cells, captions ? &*captions : nullptr);
}

void RowBlocks::workPlan(const Row& row, const Figures& figures, Worked& worked) const {
    const planning::Plan* plan = nullptr;
    planning::PlanAnswer answer;
    if (figures[Figure::Clicks]) {
        worked.problems.push_back(Line(row.line) + "a plan takes the CTR, not the clicks");
    } else {
        planning::PlanTexts texts;
        texts.notation = columns_.notation;
        texts[planning::PlanInput::Impressions] = figures[Figure::Impressions].value_or("");
        texts[planning::PlanInput::CTR] = figures[Figure::CTR].value_or("");
        texts[planning::PlanInput::ECPM] = figures[Figure::ECPM].value_or("");
        for (const planning::PlanInput input : planning::kAllPlanInputs) {
            if (const std::string* cell =
                    CellAt(row.cells, columns_.plan[static_cast<std::size_t>(input)]))
                texts[input] = *cell;
        }
        answer = planning::MakePlan(texts);
        plan = std::get_if<planning::Plan>(&answer);
        if (!plan)
            worked.problems.push_back(Line(row.line) +
                                      std::get<planning::PlanRefusal>(answer).sentence);
    }
    writer_.appendRow(worked.out, row.cells, plan ? &plan->figures : nullptr,
                      plan ? &plan->needed : nullptr);
}

} // namespace cli
