// Any bytes: the reader either refuses them with a message or yields a class that saves,
// reloads and saves again to the same bytes. A file whose texts all carry the shortest
// length prefixes, and are wide only where Windows-1252 cannot hold them, is one this program
// could have written: it saves back to exactly the bytes it was read from, up to the grading
// policy block, which is read (or, damaged, left out) and written back stably.
#include "core/capacity.h"
#include "core/class_file.h"
#include "core/encoding.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

// Walks an accepted file's layout on its own, to tell whether every text is plain (not
// wide) and carries the prefix the writer would give it.
class CanonicalWalk {
public:
    CanonicalWalk(const std::uint8_t* data, std::size_t size)
        : m_start(data), m_pos(data), m_end(data + size) {}

    bool Run() {
        std::int32_t n = 0;
        std::int32_t m = 0;
        if (!Raw(&n, 4) || !Raw(&m, 4) || !Texts(3 * n)) {
            return false;
        }
        for (std::int32_t a = 0; a < m; ++a) {
            std::int32_t last = 0;
            if (!Texts(2) || !Skip(8) || !Raw(&last, 4) || (last >= 0 && !Skip(8 * (last + 1)))) {
                return false;
            }
        }
        return Texts(3 * n + n * markwise::kReservedPerStudent);
    }

    // The bytes the older layout took, after a successful Run.
    std::size_t Consumed() const { return static_cast<std::size_t>(m_pos - m_start); }

private:
    bool Skip(std::size_t bytes) {
        if (static_cast<std::size_t>(m_end - m_pos) < bytes) {
            return false;
        }
        m_pos += bytes;
        return true;
    }
    bool Raw(void* out, std::size_t bytes) {
        const std::uint8_t* at = m_pos;
        return Skip(bytes) && std::memcpy(out, at, bytes);
    }
    // The shortest prefix for its length; wide is set for the wide marker instead.
    bool Length(std::uint32_t& full, bool& wide) {
        std::uint8_t shortLength = 0;
        std::uint16_t medium = 0;
        wide = false;
        if (!Raw(&shortLength, 1)) {
            return false;
        }
        if (shortLength < 0xFF) {
            full = shortLength;
            return true;
        }
        if (!Raw(&medium, 2)) {
            return false;
        }
        if (medium == 0xFFFE) {
            wide = true;
            return true;
        }
        if (medium < 0xFFFF) {
            full = medium;
            return medium >= 0xFF; // else a longer prefix than needed
        }
        return Raw(&full, 4) && full >= 0xFFFE;
    }

    // A wide text is written only when some character has no Windows-1252 byte.
    bool WideNeeded(std::uint32_t units) {
        bool needed = false;
        for (std::uint32_t u = 0; u < units; ++u) {
            std::uint16_t unit = 0;
            if (!Raw(&unit, 2)) {
                return false;
            }
            needed = needed || markwise::Cp1252Byte(unit) < 0; // surrogates have none either
        }
        return needed;
    }

    bool Texts(std::int64_t count) {
        for (std::int64_t i = 0; i < count; ++i) {
            std::uint32_t full = 0;
            bool wide = false;
            if (!Length(full, wide)) {
                return false;
            }
            if (wide ? !Length(full, wide) || wide || !WideNeeded(full) : !Skip(full)) {
                return false;
            }
        }
        return true;
    }

    const std::uint8_t* m_start;
    const std::uint8_t* m_pos;
    const std::uint8_t* m_end;
};

// Built once: a document is 2 MB of fixed arrays, and the reader overwrites everything
// the writer looks at.
markwise::CMarkwiseDoc& Scratch(int which) {
    static const auto docs = std::make_unique<markwise::CMarkwiseDoc[]>(2);
    return docs[which];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    if (!markwise::ReadClassInto(data, size, Scratch(0), error)) {
        if (error.empty()) {
            std::abort();
        }
        return 0;
    }
    const std::vector<unsigned char> first = markwise::WriteClass(Scratch(0));
    // The older layout of a canonical file comes back byte for byte; the grading policy
    // block after it is written as this version writes it, so only its stability is checked.
    CanonicalWalk walk(data, size);
    if (walk.Run()) {
        const std::size_t old = walk.Consumed();
        if (first.size() < old || std::memcmp(first.data(), data, old) != 0) {
            std::abort();
        }
    }
    if (!markwise::ReadClassInto(first.data(), first.size(), Scratch(1), error) ||
        markwise::WriteClass(Scratch(1)) != first) {
        std::abort();
    }
    return 0;
}
