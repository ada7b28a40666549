#include "policy_block.h"

#include "archive_string.h"
#include "encoding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string>

namespace markwise {

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

template <typename T> void Put(std::vector<unsigned char>& out, T value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.insert(out.end(), bytes, bytes + sizeof(T));
}

// A record's tag and length go in front once its payload is known.
void PutRecord(std::vector<unsigned char>& out, PolicyRecord tag,
               const std::vector<unsigned char>& payload) {
    Put(out, static_cast<std::uint16_t>(tag));
    Put(out, static_cast<std::uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
}

std::vector<unsigned char> CategoriesPayload(const GradingPolicy& policy) {
    std::vector<unsigned char> out;
    Put(out, static_cast<std::uint32_t>(policy.categories.size()));
    for (const GradeCategory& category : policy.categories) {
        WriteArchiveString(out, category.name);
        Put(out, category.weight);
        Put(out, static_cast<std::int32_t>(category.dropLowest));
    }
    return out;
}

std::vector<unsigned char> AssignmentCategoriesPayload(const CMarkwiseDoc& doc) {
    std::vector<unsigned char> out;
    Put(out, static_cast<std::uint32_t>(doc.AssignmentsInUse()));
    for (int a = 0; a < doc.AssignmentsInUse(); ++a)
        out.push_back(static_cast<unsigned char>(doc.m_assignments[a].m_category));
    return out;
}

// Only marks that agree with their scores: one entry per marked score. A score past its
// assignment's last index is not in the file, and neither is its mark.
std::vector<unsigned char> MarksPayload(const CMarkwiseDoc& doc) {
    std::vector<unsigned char> entries;
    std::uint32_t count = 0;
    for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
        const int stored = std::min(doc.StudentsInUse(), doc.m_assignments[a].m_lastIndex + 1);
        for (int s = 0; s < stored; ++s) {
            const ScoreMark mark = doc.GetMark(a, s);
            if (mark == ScoreMark::None)
                continue;
            Put(entries, static_cast<std::uint16_t>(a));
            Put(entries, static_cast<std::uint16_t>(s));
            entries.push_back(static_cast<unsigned char>(mark));
            ++count;
        }
    }
    std::vector<unsigned char> out;
    Put(out, count);
    out.insert(out.end(), entries.begin(), entries.end());
    return out;
}

// Reads the records of a block whose checksum has passed, refusing at the first fault.
class RecordReader {
public:
    RecordReader(const unsigned char* pos, const unsigned char* end) : m_pos(pos), m_end(end) {}

    const Message& Error() const { return m_error; }

    template <typename T> bool Get(T& value) {
        if (static_cast<std::size_t>(m_end - m_pos) < sizeof(T))
            return Fail(Message(MessageId::PolicyRecordEndsEarly));
        std::memcpy(&value, m_pos, sizeof(T));
        m_pos += sizeof(T);
        return true;
    }
    bool GetText(std::string& text) {
        Message error;
        if (!ReadArchiveString(m_pos, m_end, text, error))
            return Fail(Message(MessageId::PolicyCategoryNameDamaged));
        return true;
    }
    bool AtEnd() const { return m_pos == m_end; }
    std::size_t Left() const { return static_cast<std::size_t>(m_end - m_pos); }
    bool Fail(Message message) {
        m_error = std::move(message);
        return false;
    }

private:
    const unsigned char* m_pos;
    const unsigned char* m_end;
    Message m_error;
};

bool ReadCategories(RecordReader& in, GradingPolicy& policy) {
    std::uint32_t count = 0;
    if (!in.Get(count))
        return false;
    if (count == 0 || count > static_cast<std::uint32_t>(kMaxCategories))
        return in.Fail({MessageId::PolicyCategoryCount,
                        {std::to_string(count), std::to_string(kMaxCategories)}});
    for (std::uint32_t c = 0; c < count; ++c) {
        GradeCategory category;
        std::int32_t drop = 0;
        if (!in.GetText(category.name) || !in.Get(category.weight) || !in.Get(drop))
            return false;
        if (CodePointCount(category.name) > static_cast<std::size_t>(kMaxCategoryNameLength))
            return in.Fail(
                {MessageId::PolicyCategoryNameTooLong, {std::to_string(kMaxCategoryNameLength)}});
        if (!std::isfinite(category.weight) || category.weight < 0.0 || drop < 0)
            return in.Fail(Message(MessageId::PolicyWeightOutOfRange));
        category.dropLowest = drop;
        policy.categories.push_back(std::move(category));
    }
    return in.AtEnd() || in.Fail(Message(MessageId::PolicyCategoriesTooLong));
}

bool ReadAssignmentCategories(RecordReader& in, CMarkwiseDoc& doc, int categories) {
    std::uint32_t count = 0;
    if (!in.Get(count))
        return false;
    if (count != static_cast<std::uint32_t>(doc.AssignmentsInUse()) || in.Left() != count)
        return in.Fail(Message(MessageId::PolicyCategoriesMismatch));
    for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
        std::uint8_t c = 0;
        in.Get(c);
        if (c >= categories)
            return in.Fail({MessageId::PolicyAssignmentNoCategory, {std::to_string(a + 1)}});
        doc.m_assignments[a].m_category = c;
    }
    return true;
}

bool ReadMarks(RecordReader& in, CMarkwiseDoc& doc) {
    std::uint32_t count = 0;
    if (!in.Get(count))
        return false;
    constexpr std::size_t kEntryBytes = 5;
    if (in.Left() / kEntryBytes < count || in.Left() != std::size_t{count} * kEntryBytes)
        return in.Fail(Message(MessageId::PolicyMarksMismatch));
    for (std::uint32_t k = 0; k < count; ++k) {
        std::uint16_t a = 0;
        std::uint16_t s = 0;
        std::uint8_t mark = 0;
        in.Get(a);
        in.Get(s);
        in.Get(mark);
        if (!doc.HoldsScore(a, s) || mark < 1 || mark > 2)
            return in.Fail(Message(MessageId::PolicyMarkOutside));
        // The score itself is not in the file: its mark goes with it.
        if (s <= doc.m_assignments[a].m_lastIndex)
            doc.m_assignments[a].m_marks[s] = static_cast<ScoreMark>(mark);
    }
    return true;
}

// The records of a checked body, into doc; false with the reason on the first fault.
bool ReadRecords(const unsigned char* pos, const unsigned char* end, CMarkwiseDoc& doc,
                 Message& error) {
    unsigned seen = 0;
    bool assignmentCategories = false;
    const unsigned char* at = pos;
    while (at != end) {
        const unsigned char* start = at;
        std::uint16_t tag = 0;
        std::uint32_t length = 0;
        if (end - at < 6) {
            error = Message(MessageId::PolicyRecordPastBlock);
            return false;
        }
        std::memcpy(&tag, at, 2);
        std::memcpy(&length, at + 2, 4);
        at += 6;
        if (static_cast<std::size_t>(end - at) < length) {
            error = Message(MessageId::PolicyRecordPastBlock);
            return false;
        }
        const unsigned char* payload = at;
        at += length;
        RecordReader in(payload, at);
        bool ok = true;
        const auto known = static_cast<PolicyRecord>(tag);
        if (known == PolicyRecord::Categories || known == PolicyRecord::AssignmentCategories ||
            known == PolicyRecord::Marks) {
            if ((seen & (1U << tag)) != 0) {
                error = Message(MessageId::PolicyRecordTwice);
                return false;
            }
            seen |= 1U << tag;
        }
        switch (known) {
        case PolicyRecord::Categories:
            ok = ReadCategories(in, doc.m_policy);
            break;
        case PolicyRecord::AssignmentCategories:
            // The categories come first, so that each index can be checked.
            ok = doc.HasPolicy() ? ReadAssignmentCategories(
                                       in, doc, static_cast<int>(doc.m_policy.categories.size()))
                                 : in.Fail(Message(MessageId::PolicyCategoriesOrder));
            assignmentCategories = true;
            break;
        case PolicyRecord::Marks:
            ok = ReadMarks(in, doc);
            break;
        default:
            doc.m_unknownPolicyRecords.insert(doc.m_unknownPolicyRecords.end(), start, at);
            break;
        }
        if (!ok) {
            error = in.Error();
            return false;
        }
    }
    if (doc.HasPolicy() && !assignmentCategories && doc.AssignmentsInUse() > 0) {
        error = Message(MessageId::PolicyNoCategories);
        return false;
    }
    return true;
}

// Everything a block may set, back to "no policy".
void ClearPolicy(CMarkwiseDoc& doc) {
    doc.m_policy = {};
    doc.m_unknownPolicyRecords.clear();
    for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
        CAssignment& assignment = doc.m_assignments[a];
        assignment.m_category = 0;
        std::fill_n(assignment.m_marks.begin(), doc.StudentsInUse(), ScoreMark::None);
    }
}

} // namespace

std::uint32_t Crc32(const unsigned char* data, std::size_t size) {
    std::uint32_t c = 0xFFFFFFFFU;
    for (std::size_t i = 0; i < size; ++i)
        c = kCrcTable[(c ^ data[i]) & 0xFFU] ^ (c >> 8);
    return c ^ 0xFFFFFFFFU;
}

void WritePolicyBlock(const CMarkwiseDoc& doc, std::vector<unsigned char>& out) {
    if (!doc.NeedsPolicyBlock())
        return;
    std::vector<unsigned char> body;
    if (doc.HasPolicy()) {
        PutRecord(body, PolicyRecord::Categories, CategoriesPayload(doc.m_policy));
        PutRecord(body, PolicyRecord::AssignmentCategories, AssignmentCategoriesPayload(doc));
    }
    const std::vector<unsigned char> marks = MarksPayload(doc);
    if (marks.size() > sizeof(std::uint32_t))
        PutRecord(body, PolicyRecord::Marks, marks);
    body.insert(body.end(), doc.m_unknownPolicyRecords.begin(), doc.m_unknownPolicyRecords.end());
    out.insert(out.end(), kPolicyBlockTag.begin(), kPolicyBlockTag.end());
    Put(out, kPolicyBlockVersion);
    Put(out, static_cast<std::uint32_t>(body.size()));
    Put(out, Crc32(body.data(), body.size()));
    out.insert(out.end(), body.begin(), body.end());
}

void ReadPolicyBlock(const unsigned char* pos, const unsigned char* end, CMarkwiseDoc& doc) {
    ClearPolicy(doc);
    doc.m_policyDropped.clear();
    const auto left = static_cast<std::size_t>(end - pos);
    if (left < kPolicyBlockTag.size() ||
        std::memcmp(pos, kPolicyBlockTag.data(), kPolicyBlockTag.size()) != 0)
        return;
    Message error;
    std::uint32_t version = 0;
    std::uint32_t length = 0;
    std::uint32_t crc = 0;
    if (left < kPolicyBlockHeaderBytes) {
        error = Message(MessageId::PolicyHeaderShort);
    } else {
        std::memcpy(&version, pos + 8, 4);
        std::memcpy(&length, pos + 12, 4);
        std::memcpy(&crc, pos + 16, 4);
        const unsigned char* body = pos + kPolicyBlockHeaderBytes;
        if (version != kPolicyBlockVersion)
            error = {MessageId::PolicyNewerVersion, {std::to_string(version)}};
        else if (static_cast<std::size_t>(end - body) < length)
            error = Message(MessageId::PolicyPastFile);
        else if (Crc32(body, length) != crc)
            error = Message(MessageId::PolicyChecksum);
        else
            ReadRecords(body, body + length, doc, error);
    }
    if (error.empty())
        return;
    ClearPolicy(doc);
    doc.m_policyDropped = {MessageId::PolicyDamaged, {std::move(error)}};
}

} // namespace markwise
