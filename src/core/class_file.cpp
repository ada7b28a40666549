#include "class_file.h"

#include "archive_string.h"
#include "atomic_file.h"
#include "file_bytes.h"
#include "policy_block.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>

namespace markwise {

static_assert(std::endian::native == std::endian::little,
              "class files are little-endian; this build copies numbers as they lie in memory");

namespace {

// Reads the primitives of a class file, refusing (never over-reading) at the first fault.
class CClassReader {
public:
    CClassReader(const unsigned char* data, std::size_t size) : m_pos(data), m_end(data + size) {}

    const Message& Error() const { return m_error; }

    bool ReadInt(int& value) {
        std::int32_t raw;
        if (!ReadRaw(&raw, sizeof raw)) {
            return false;
        }
        value = raw;
        return true;
    }

    bool ReadDouble(double& value) { return ReadRaw(&value, sizeof value); }
    // The scores lie in the file as in memory: one block.
    bool ReadDoubles(double* values, std::size_t count) {
        return ReadRaw(values, count * sizeof(double));
    }

    bool ReadString(std::string& text) { return ReadArchiveString(m_pos, m_end, text, m_error); }

    const unsigned char* Position() const { return m_pos; }
    const unsigned char* End() const { return m_end; }

    bool Fail(Message message) {
        m_error = std::move(message);
        return false;
    }

private:
    bool Require(std::size_t bytes) {
        if (static_cast<std::size_t>(m_end - m_pos) < bytes) {
            return Fail(Message(MessageId::ClassEndsEarly));
        }
        return true;
    }

    bool ReadRaw(void* out, std::size_t bytes) {
        if (!Require(bytes)) {
            return false;
        }
        std::memcpy(out, m_pos, bytes);
        m_pos += bytes;
        return true;
    }

    const unsigned char* m_pos;
    const unsigned char* m_end;
    Message m_error;
};

bool ReadCounts(CClassReader& in, int& students, int& assignments) {
    if (!in.ReadInt(students) || !in.ReadInt(assignments)) {
        return false;
    }
    if (students < 0 || students > kMaxStudents) {
        return in.Fail({MessageId::ClassTooManyStudents,
                        {std::to_string(students), std::to_string(kMaxStudents)}});
    }
    if (assignments < 0 || assignments > kMaxAssignments) {
        return in.Fail({MessageId::ClassTooManyAssignments,
                        {std::to_string(assignments), std::to_string(kMaxAssignments)}});
    }
    return true;
}

bool ReadStrings(CClassReader& in, std::string* first, int count) {
    for (int i = 0; i < count; ++i) {
        if (!in.ReadString(first[i])) {
            return false;
        }
    }
    return true;
}

Message NotANumber(int index, bool points, double value) {
    const MessageId id = points ? (std::isnan(value) ? MessageId::ClassPointsNotANumber
                                                     : MessageId::ClassPointsInfinite)
                                : (std::isnan(value) ? MessageId::ClassScoreNotANumber
                                                     : MessageId::ClassScoreInfinite);
    return {id, {std::to_string(index + 1)}};
}

// Tests the exponent bits without an early exit, so the compiler checks many scores per step;
// only a class that fails is searched again for the score to name.
bool AllFinite(const double* values, std::size_t count) {
    constexpr std::uint64_t kExponent = 0x7FF0000000000000u;
    std::uint64_t infiniteOrNan = 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint64_t bits;
        std::memcpy(&bits, values + i, sizeof bits);
        infiniteOrNan |= static_cast<std::uint64_t>((bits & kExponent) == kExponent);
    }
    return infiniteOrNan == 0;
}

bool ReadAssignment(CClassReader& in, int index, CAssignment& record) {
    if (!in.ReadString(record.m_title) || !in.ReadString(record.m_description) ||
        !in.ReadDouble(record.m_pointsPossible) || !in.ReadInt(record.m_lastIndex)) {
        return false;
    }
    // The program never writes such values, and one would poison every total.
    if (!std::isfinite(record.m_pointsPossible)) {
        return in.Fail(NotANumber(index, true, record.m_pointsPossible));
    }
    // A negative last index stores no scores and is kept as it stands.
    if (record.m_lastIndex >= kMaxStudents) {
        return in.Fail(
            {MessageId::ClassTooManyScores,
             {std::to_string(index + 1), std::to_string(std::int64_t{record.m_lastIndex} + 1),
              std::to_string(kMaxStudents)}});
    }
    if (record.m_lastIndex < 0) {
        return true;
    }
    if (!in.ReadDoubles(record.m_scores.data(), std::size_t(record.m_lastIndex) + 1)) {
        return false;
    }
    if (AllFinite(record.m_scores.data(), std::size_t(record.m_lastIndex) + 1)) {
        return true;
    }
    for (int s = 0; s <= record.m_lastIndex; ++s) {
        if (!std::isfinite(record.m_scores[s])) {
            return in.Fail(NotANumber(index, false, record.m_scores[s]));
        }
    }
    return true;
}

class CClassWriter {
public:
    explicit CClassWriter(std::size_t expected) { m_bytes.reserve(expected); }

    void WriteInt(int value) { WriteRaw(&value, 4); }
    void WriteDouble(double value) { WriteRaw(&value, 8); }

    void WriteString(const std::string& text) { WriteArchiveString(m_bytes, text); }

    void WriteStrings(const std::string* first, int count) {
        for (int i = 0; i < count; ++i) {
            WriteString(first[i]);
        }
    }

    std::vector<unsigned char> Take() { return std::move(m_bytes); }

    void WriteRaw(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }

private:
    std::vector<unsigned char> m_bytes;
};

std::size_t EstimatedSize(const CMarkwiseDoc& doc, int students, int assignments) {
    std::size_t size = 8 + std::size_t(students) * 16 + std::size_t(students) * 8;
    for (int a = 0; a < assignments; ++a) {
        const CAssignment& record = doc.m_assignments[a];
        size += 20 + record.m_title.size() + record.m_description.size() +
                std::size_t(std::max(std::min(record.m_lastIndex, kMaxStudents - 1) + 1, 0)) * 8;
    }
    return size;
}

} // namespace

std::unique_ptr<CMarkwiseDoc> ReadClass(const unsigned char* data, std::size_t size,
                                        std::string& error) {
    Message message;
    std::unique_ptr<CMarkwiseDoc> doc = ReadClass(data, size, message);
    if (!doc)
        error = English(message);
    return doc;
}

std::unique_ptr<CMarkwiseDoc> ReadClass(const unsigned char* data, std::size_t size,
                                        Message& error) {
    auto doc = std::make_unique<CMarkwiseDoc>();
    if (!ReadClassInto(data, size, *doc, error)) {
        return nullptr;
    }
    return doc;
}

bool ReadClassInto(const unsigned char* data, std::size_t size, CMarkwiseDoc& doc,
                   std::string& error) {
    return InEnglish(error,
                     [&](Message& message) { return ReadClassInto(data, size, doc, message); });
}

bool ReadClassInto(const unsigned char* data, std::size_t size, CMarkwiseDoc& doc, Message& error) {
    CClassReader in(data, size);
    int n = 0;
    int m = 0;
    bool ok = ReadCounts(in, n, m) && ReadStrings(in, doc.m_firstName.data(), n) &&
              ReadStrings(in, doc.m_lastName.data(), n) &&
              ReadStrings(in, doc.m_studentId.data(), n);
    for (int a = 0; ok && a < m; ++a) {
        ok = ReadAssignment(in, a, doc.m_assignments[a]);
    }
    ok = ok && ReadStrings(in, doc.m_bookNumber.data(), n) &&
         ReadStrings(in, doc.m_phone.data(), n) && ReadStrings(in, doc.m_gradeLevel.data(), n) &&
         ReadStrings(in, doc.m_reservedText.data(), n * kReservedPerStudent);
    if (!ok) {
        error = in.Error();
        return false;
    }
    doc.m_studentCount = n;
    doc.m_assignmentCount = m;
    ReadPolicyBlock(in.Position(), in.End(), doc);
    return true;
}

std::vector<unsigned char> WriteClass(const CMarkwiseDoc& doc) {
    // Counts and last indexes are clamped so that a broken document can never make the
    // writer read past a capacity; a sound one is written exactly as it stands.
    const int n = std::clamp(doc.m_studentCount, 0, kMaxStudents);
    const int m = std::clamp(doc.m_assignmentCount, 0, kMaxAssignments);
    CClassWriter out(EstimatedSize(doc, n, m));
    out.WriteInt(n);
    out.WriteInt(m);
    out.WriteStrings(doc.m_firstName.data(), n);
    out.WriteStrings(doc.m_lastName.data(), n);
    out.WriteStrings(doc.m_studentId.data(), n);
    for (int a = 0; a < m; ++a) {
        const CAssignment& record = doc.m_assignments[a];
        const int last = std::min(record.m_lastIndex, kMaxStudents - 1);
        out.WriteString(record.m_title);
        out.WriteString(record.m_description);
        out.WriteDouble(record.m_pointsPossible);
        out.WriteInt(last);
        // The scores lie in memory as the file lays them out: one block.
        if (last >= 0)
            out.WriteRaw(record.m_scores.data(), std::size_t(last + 1) * sizeof(double));
    }
    out.WriteStrings(doc.m_bookNumber.data(), n);
    out.WriteStrings(doc.m_phone.data(), n);
    out.WriteStrings(doc.m_gradeLevel.data(), n);
    out.WriteStrings(doc.m_reservedText.data(), n * kReservedPerStudent);
    std::vector<unsigned char> bytes = out.Take();
    WritePolicyBlock(doc, bytes);
    return bytes;
}

std::unique_ptr<CMarkwiseDoc> LoadClassFile(const std::string& path, std::string& error) {
    Message message;
    std::unique_ptr<CMarkwiseDoc> doc = LoadClassFile(path, message);
    if (!doc)
        error = English(message);
    return doc;
}

std::unique_ptr<CMarkwiseDoc> LoadClassFile(const std::string& path, Message& error) {
    std::vector<unsigned char> bytes;
    Message unread;
    std::unique_ptr<CMarkwiseDoc> doc;
    if (!ReadFileBytes(path, kMaxClassFileBytes, Message(MessageId::KindClassFile), bytes,
                       unread)) {
        error = {MessageId::ClassCouldNotOpen, {path, std::move(unread)}};
        return nullptr;
    }
    // Plain words first, then what the reader found.
    const std::string name = std::filesystem::path(path).filename().string();
    if (bytes.empty()) {
        error = {MessageId::ClassFileEmpty, {name}};
        return nullptr;
    }
    Message reason;
    doc = ReadClass(bytes.data(), bytes.size(), reason);
    if (!doc) {
        error = {MessageId::ClassFileDamaged, {name, std::move(reason)}};
    }
    return doc;
}

bool SaveClassFile(const std::string& path, const CMarkwiseDoc& doc, std::string& error) {
    return SaveClassBytes(path, WriteClass(doc), error);
}

bool SaveClassBytes(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string& error) {
    return InEnglish(error, [&](Message& message) { return SaveClassBytes(path, bytes, message); });
}

bool SaveClassBytes(const std::string& path, const std::vector<unsigned char>& bytes,
                    Message& error) {
    if (bytes.size() > kMaxClassFileBytes) {
        error = {MessageId::ClassTooLargeToSave, {path, std::to_string(kMaxClassFileBytes >> 20)}};
        return false;
    }
    return WriteFileAtomically(path, bytes.data(), bytes.size(), error);
}

} // namespace markwise
