#include "batch.h"

#include "batch_row.h"
#include "bounded_queue.h"
#include "csv.h"
#include "input_options.h"
#include "progress_line.h"

#include <algorithm>
#include <exception>
#include <future>
#include <system_error>
#include <thread>
#include <vector>

namespace kalvora::cli {

namespace {

/// Lines are handed to the evaluating threads in chunks, so that queue traffic stays small
/// beside the evaluations: a PMV-only row takes about a microsecond, and with 256 lines a chunk
/// the threads' hand-overs (futex waits and wake-ups) took a tenth of the run. A chunk of full
/// output lines holds about half a megabyte.
constexpr std::size_t kChunkLines = 512;

/// The lines of a chunk lie one after another in one text, so reading a line allocates nothing.
struct Line
{
    std::size_t
        end; ///< where the line ends in the chunk's text; it starts where the previous one ends
    bool tooLong;
};

struct ChunkOutput
{
    std::string text;
    std::size_t rows = 0;
    std::size_t invalid = 0;
    std::uintmax_t inputEnd = 0; ///< where the chunk's last line ends in the input, in bytes
};

struct Chunk
{
    std::string text;
    std::vector<Line> lines;
    std::uintmax_t inputEnd = 0;
    std::promise<ChunkOutput> output;
};

ChunkOutput evaluateChunk(const BatchColumns &columns, const Chunk &chunk, model::Language language,
    BatchScratch &scratch)
{
    // An output line of a fully evaluated row takes about two kilobytes.
    constexpr std::size_t kOutputLineEstimate = 2048;
    ChunkOutput output;
    output.rows = chunk.lines.size();
    output.inputEnd = chunk.inputEnd;
    output.text.reserve(chunk.lines.size() * kOutputLineEstimate);
    std::size_t start = 0;
    for (const Line &line : chunk.lines) {
        const std::string_view text = std::string_view(chunk.text).substr(start, line.end - start);
        if (!columns.appendRow(text, line.tooLong, language, output.text, scratch))
            ++output.invalid;
        start = line.end;
    }
    return output;
}

/// Reads chunks of lines in order; each chunk's future joins the order queue before its work is
/// queued, so the writer receives outputs in input order. The order queue's capacity bounds the
/// chunks in flight, and with them the memory.
void readChunks(
    LineReader &reader, BoundedQueue<std::future<ChunkOutput>> &order, BoundedQueue<Chunk> &work)
{
    for (;;) {
        Chunk chunk;
        chunk.lines.reserve(kChunkLines);
        bool tooLong = false;
        while (chunk.lines.size() < kChunkLines && reader.appendLine(chunk.text, tooLong))
            chunk.lines.push_back({ chunk.text.size(), tooLong });
        if (chunk.lines.empty())
            break;
        chunk.inputEnd = reader.position();
        order.push(chunk.output.get_future());
        work.push(std::move(chunk));
    }
    order.close();
    work.close();
}

void evaluateChunks(
    const BatchColumns &columns, BoundedQueue<Chunk> &work, model::Language language)
{
    BatchScratch scratch;
    while (std::optional<Chunk> chunk = work.pop()) {
        try {
            chunk->output.set_value(evaluateChunk(columns, *chunk, language, scratch));
        } catch (...) {
            chunk->output.set_exception(std::current_exception());
        }
    }
}

} // namespace

int RunBatch(std::istream &in, std::ostream &out, std::ostream &err, const BatchOptions &options)
{
    const ProgressLine::Clock::time_point start = ProgressLine::Clock::now();
    LineReader reader(in, kMaxLineLength);
    const std::optional<BatchColumns> columns
        = ReadBatchHeader(reader, err, "batch", options.results, options.precision);
    if (!columns)
        return 2;
    err << columns->absentColumnsNotice();

    const std::size_t threads = std::max(1u, options.threads);
    BoundedQueue<std::future<ChunkOutput>> order(2 * threads + 2);
    BoundedQueue<Chunk> work(2 * threads + 2);
    std::vector<std::thread> workers;
    std::thread readerThread;
    // Reading the input flushes a tied output stream; the writer owns the output alone.
    std::ostream *const tied = in.tie(nullptr);
    try {
        for (std::size_t i = 0; i < threads; ++i)
            workers.emplace_back(
                evaluateChunks, std::cref(*columns), std::ref(work), options.language);
        readerThread = std::thread(readChunks, std::ref(reader), std::ref(order), std::ref(work));
    } catch (const std::system_error &error) {
        // A machine short of threads or memory: stop the threads already started, write nothing.
        work.close();
        for (std::thread &worker : workers)
            worker.join();
        in.tie(tied);
        err << "kalvora-cli: batch: cannot start " << threads + 1 << " threads (--threads "
            << threads << " and a reader): " << error.what() << '\n';
        return 2;
    }

    out << columns->outputHeader();
    std::optional<ProgressLine> progress;
    if (options.progressBytes)
        progress.emplace(err, *options.progressBytes, start);
    std::size_t invalid = 0;
    std::uintmax_t rows = 0;
    std::exception_ptr failure;
    while (std::optional<std::future<ChunkOutput>> next = order.pop()) {
        try {
            const ChunkOutput output = next->get();
            out.write(output.text.data(), static_cast<std::streamsize>(output.text.size()));
            invalid += output.invalid;
            rows += output.rows;
            if (progress)
                progress->update(output.inputEnd, rows, ProgressLine::Clock::now());
        } catch (...) {
            // Keep draining so that every thread can finish; the first failure is reported.
            if (!failure)
                failure = std::current_exception();
        }
    }
    readerThread.join();
    for (std::thread &worker : workers)
        worker.join();
    in.tie(tied);
    if (progress)
        progress->finish();
    if (failure)
        std::rethrow_exception(failure);

    out.flush();
    if (!out) {
        err << "kalvora-cli: batch: the output could not be written\n";
        return 2;
    }
    return invalid > 0 ? 1 : 0;
}

} // namespace kalvora::cli
