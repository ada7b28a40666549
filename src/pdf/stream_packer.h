#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace markwise::pdf {

// One zlib stream reused for every stream it packs: a fast level, since the pages are
// short and repetitive and the file is written once.
class Deflater {
public:
    Deflater();
    ~Deflater();
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    // False when zlib fails: the stream then goes out as it is.
    bool pack(std::string_view data, std::string& out);

private:
    struct Stream;
    std::unique_ptr<Stream> m_stream;
};

// Packs texts a batch at a time on a thread of its own, so that a document lays out its
// next pages while the last ones are deflated; the same bytes as Deflater's. A batch of
// many pages spares a hand-over per page. The thread starts with the first batch; without
// one (none could be started) each batch is packed as it is given.
class BackgroundDeflater {
public:
    BackgroundDeflater();
    ~BackgroundDeflater();
    BackgroundDeflater(const BackgroundDeflater&) = delete;
    BackgroundDeflater& operator=(const BackgroundDeflater&) = delete;

    // Starts packing the first count texts, swapped for the buffers of the batch packed
    // before (so buffers are reused). The batch started before must have been waited for.
    void start(std::vector<std::string>& texts, std::size_t count);
    // Waits for the batch started last; then input(k) is its text k and, when packed(k)
    // holds a value, its deflated form. Valid until the next start.
    void wait();
    std::size_t count() const { return m_count; }
    const std::string& input(std::size_t k) const { return m_input[k]; }
    const std::string* packed(std::size_t k) const { return m_ok[k] ? &m_packed[k] : nullptr; }

private:
    enum class State { Idle, Packing, Packed, Stopping };
    void run();
    void pack();

    Deflater m_deflater;
    std::vector<std::string> m_input;
    std::vector<std::string> m_packed;
    std::vector<bool> m_ok;
    std::size_t m_count = 0;
    State m_state = State::Idle;
    bool m_tried = false; // to start the thread
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_thread;
};

} // namespace markwise::pdf
