#include "stream_packer.h"

#include <system_error>
#include <zlib.h>

namespace markwise::pdf {

struct Deflater::Stream {
    z_stream stream{};
    bool ready = deflateInit(&stream, 1) == Z_OK;
    ~Stream() {
        if (ready)
            deflateEnd(&stream);
    }
};

Deflater::Deflater() : m_stream(std::make_unique<Stream>()) {}

Deflater::~Deflater() = default;

bool Deflater::pack(std::string_view data, std::string& out) {
    z_stream& stream = m_stream->stream;
    if (!m_stream->ready || deflateReset(&stream) != Z_OK)
        return false;
    out.resize(deflateBound(&stream, uLong(data.size())));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END)
        return false;
    out.resize(out.size() - stream.avail_out);
    return true;
}

BackgroundDeflater::BackgroundDeflater() = default;

BackgroundDeflater::~BackgroundDeflater() {
    if (!m_thread.joinable())
        return;
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_state != State::Packing; });
        m_state = State::Stopping;
    }
    m_changed.notify_all();
    m_thread.join();
}

void BackgroundDeflater::start(std::vector<std::string>& texts, std::size_t count) {
    m_input.swap(texts);
    m_count = count;
    if (!m_tried) { // the thread starts with the first batch
        m_tried = true;
        try {
            m_thread = std::thread([this] { run(); });
        } catch (const std::system_error&) {
            // No thread to be had: every batch is packed where it is started.
        }
    }
    if (!m_thread.joinable()) {
        pack();
        m_state = State::Packed;
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_state = State::Packing;
    }
    m_changed.notify_all();
}

void BackgroundDeflater::wait() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_state == State::Packed; });
    m_state = State::Idle;
}

void BackgroundDeflater::pack() {
    if (m_packed.size() < m_count)
        m_packed.resize(m_count);
    m_ok.assign(m_count, false);
    for (std::size_t k = 0; k < m_count; ++k)
        m_ok[k] = m_deflater.pack(m_input[k], m_packed[k]);
}

void BackgroundDeflater::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock,
                       [this] { return m_state == State::Packing || m_state == State::Stopping; });
        if (m_state == State::Stopping)
            return;
        lock.unlock();
        pack();
        lock.lock();
        m_state = State::Packed;
        m_changed.notify_all();
    }
}

} // namespace markwise::pdf
