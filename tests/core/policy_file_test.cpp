#include "core/class_file.h"
#include "core/policy_block.h"
#include "support/class_builder.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace markwise {
namespace {

using Bytes = std::vector<unsigned char>;

std::unique_ptr<CMarkwiseDoc> PolicyClass() {
    auto doc = test::FilledClass(4, 3);
    doc->m_policy.categories = {{"Домашняя работа", 30.5, 1}, {"Tests", 0, 0}};
    doc->m_assignments[2].m_category = 1;
    doc->StoreMarkedScore(0, 1, 0, ScoreMark::Excused);
    doc->StoreMarkedScore(2, 3, 0, ScoreMark::MissingWork);
    return doc;
}

template <class Number> void Put(Bytes& out, Number v) {
    unsigned char raw[sizeof v];
    std::memcpy(raw, &v, sizeof v);
    out.insert(out.end(), raw, raw + sizeof v);
}

void PutRecord(Bytes& body, std::uint16_t tag, const Bytes& payload) {
    Put(body, tag);
    Put(body, static_cast<std::uint32_t>(payload.size()));
    body.insert(body.end(), payload.begin(), payload.end());
}

// The old layout followed by a block around body, its checksum right unless told.
Bytes WithBlock(Bytes file, const Bytes& body, std::uint32_t version = 1, int crcOffset = 0) {
    file.insert(file.end(), kPolicyBlockTag.begin(), kPolicyBlockTag.end());
    Put(file, version);
    Put(file, static_cast<std::uint32_t>(body.size()));
    Put(file, static_cast<std::uint32_t>(Crc32(body.data(), body.size()) + crcOffset));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

Bytes OneCategory(std::uint32_t count = 1, double weight = 1, std::int32_t drop = 0) {
    Bytes payload;
    Put(payload, count);
    for (std::uint32_t c = 0; c < count; ++c) {
        payload.push_back(1);
        payload.push_back('H');
        Put(payload, weight);
        Put(payload, drop);
    }
    return payload;
}

Bytes Categories(std::vector<std::uint8_t> of) {
    Bytes payload;
    Put(payload, static_cast<std::uint32_t>(of.size()));
    payload.insert(payload.end(), of.begin(), of.end());
    return payload;
}

TEST(PolicyFile, RoundTripsAndOldReadersSeeTheOldLayout) {
    EXPECT_EQ(Crc32(reinterpret_cast<const unsigned char*>("123456789"), 9), 0xCBF43926u);
    auto doc = PolicyClass();
    const Bytes bytes = WriteClass(*doc);
    std::string error;
    auto back = ReadClass(bytes.data(), bytes.size(), error);
    ASSERT_TRUE(back) << error;
    EXPECT_TRUE(back->m_policyDropped.empty());
    EXPECT_EQ(back->m_policy, doc->m_policy);
    EXPECT_EQ(back->m_assignments[2].m_category, 1);
    EXPECT_EQ(back->GetMark(0, 1), ScoreMark::Excused);
    EXPECT_EQ(back->GetMark(2, 3), ScoreMark::MissingWork);
    EXPECT_EQ(back->GetMark(1, 1), ScoreMark::None);
    EXPECT_EQ(WriteClass(*back), bytes);

    // The old layout is the class without its policy, then the block: a reader of the old
    // layout sees the same names and counts, an excused score as N/A and missing work as 0.
    auto plain = std::make_unique<CMarkwiseDoc>(*doc);
    plain->m_policy = {};
    for (int a = 0; a < 3; ++a)
        plain->m_assignments[a].m_marks.fill(ScoreMark::None);
    const Bytes old = WriteClass(*plain);
    ASSERT_LT(old.size(), bytes.size());
    EXPECT_TRUE(std::equal(old.begin(), old.end(), bytes.begin()));
    EXPECT_EQ(plain->m_assignments[0].m_scores[1], MISSING_SCORE);
    EXPECT_EQ(plain->m_assignments[2].m_scores[3], 0);

    // Records this version does not know travel unchanged; other trailing bytes are ignored.
    Bytes body(bytes.begin() + static_cast<long>(old.size() + kPolicyBlockHeaderBytes),
               bytes.end());
    PutRecord(body, 77, {1, 2, 3});
    const Bytes later = WithBlock(old, body);
    back = ReadClass(later.data(), later.size(), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->m_unknownPolicyRecords.size(), 9u);
    EXPECT_EQ(WriteClass(*back), later);
    Bytes noise = old;
    noise.insert(noise.end(), {'M', 'K', 'W', 'x', 0, 0});
    back = ReadClass(noise.data(), noise.size(), error);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->m_policyDropped.empty());
    EXPECT_EQ(WriteClass(*back), old);
}

// A score past its assignment's last index is not saved, so neither is its mark: written
// or read, the mark goes with the score and the rest of the policy stays.
TEST(PolicyFile, AMarkOnAScoreTheFileDoesNotHoldGoesWithIt) {
    auto doc = PolicyClass();
    doc->m_assignments[1].m_lastIndex = 1;
    doc->StoreMarkedScore(1, 3, 0, ScoreMark::MissingWork);
    const Bytes bytes = WriteClass(*doc);
    std::string error;
    auto back = ReadClass(bytes.data(), bytes.size(), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->GetMark(1, 3), ScoreMark::None);
    EXPECT_EQ(back->GetMark(2, 3), ScoreMark::MissingWork);
    EXPECT_EQ(WriteClass(*back), bytes);

    auto plain = std::make_unique<CMarkwiseDoc>(*doc);
    plain->m_policy = {};
    for (int a = 0; a < 3; ++a)
        plain->m_assignments[a].m_marks.fill(ScoreMark::None);
    Bytes marks;
    Put(marks, std::uint32_t{2});
    for (const std::uint16_t s : {1, 3}) { // stored, then past the last index
        Put(marks, std::uint16_t{1});
        Put(marks, s);
        marks.push_back(static_cast<unsigned char>(ScoreMark::Excused));
    }
    plain->m_assignments[1].m_scores[1] = MISSING_SCORE;
    Bytes body;
    PutRecord(body, 3, marks);
    const Bytes file = WithBlock(WriteClass(*plain), body);
    back = ReadClass(file.data(), file.size(), error);
    ASSERT_TRUE(back) << error;
    EXPECT_TRUE(back->m_policyDropped.empty());
    EXPECT_EQ(back->GetMark(1, 1), ScoreMark::Excused);
    EXPECT_EQ(back->m_assignments[1].m_marks[3], ScoreMark::None);
}

TEST(PolicyFile, EveryExampleClassSavesBackByteForByte) {
    int seen = 0;
    const std::filesystem::path examples =
        std::filesystem::path(MARKWISE_TEST_DATA).parent_path().parent_path() / "examples";
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
        if (entry.path().extension() != ".mkw")
            continue;
        const std::string path = entry.path().string();
        SCOPED_TRACE(path);
        std::string error;
        auto doc = LoadClassFile(path, error);
        ASSERT_TRUE(doc) << error;
        std::ifstream in(path, std::ios::binary);
        const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_FALSE(doc->NeedsPolicyBlock());
        EXPECT_EQ(WriteClass(*doc), bytes);
        ++seen;
    }
    EXPECT_GT(seen, 0);
}

TEST(PolicyFile, ADamagedBlockOpensTheClassWithoutItAndSaysWhy) {
    const auto doc = PolicyClass();
    const Bytes good = WriteClass(*doc);
    auto plain = test::FilledClass(4, 3);
    const Bytes old = WriteClass(*plain);
    const Bytes body(good.begin() + static_cast<long>(old.size() + kPolicyBlockHeaderBytes),
                     good.end());
    const auto records = [](std::initializer_list<std::pair<std::uint16_t, Bytes>> list) {
        Bytes out;
        for (const auto& [tag, payload] : list)
            PutRecord(out, tag, payload);
        return out;
    };
    Bytes cut = WithBlock(old, body);
    cut.pop_back();
    Bytes header = old;
    header.insert(header.end(), kPolicyBlockTag.begin(), kPolicyBlockTag.end());
    Bytes marks;
    Put(marks, std::uint32_t{1});
    Put(marks, std::uint16_t{0});
    Put(marks, std::uint16_t{4}); // no fifth student
    marks.push_back(1);
    const std::pair<Bytes, std::string> cases[] = {
        {WithBlock(old, body, 1, 1), "its checksum does not match"},
        {cut, "it runs past the end of the file"},
        {header, "it ends inside its header"},
        {WithBlock(old, body, 2), "it is of version 2"},
        {WithBlock(old, records({{1, OneCategory(0)}})), "it holds 0 categories"},
        {WithBlock(old, records({{1, OneCategory(21)}})), "it holds 21 categories"},
        {WithBlock(old, records({{1, OneCategory(1, -1)}})), "a category's weight"},
        {WithBlock(old, records({{1, OneCategory(1, 1, -2)}})), "a category's weight"},
        {WithBlock(old, records({{1, OneCategory(2)}, {2, Categories({0, 2, 1})}})),
         "assignment 2 is in no category"},
        {WithBlock(old, records({{1, OneCategory()}, {2, Categories({0, 0})}})),
         "its assignment categories do not match"},
        {WithBlock(old, records({{1, OneCategory()}})), "it gives the assignments no categories"},
        {WithBlock(old, records({{2, Categories({0, 0, 0})}})), "its assignment categories come"},
        {WithBlock(old, records({{1, OneCategory()}, {1, OneCategory()}})), "a record appears"},
        {WithBlock(old, records({{3, marks}})), "it marks a score the class does not hold"},
        {WithBlock(old, Bytes{3, 0, 200, 0, 0, 0, 1}), "a record runs past the block"},
    };
    for (const auto& [bytes, reason] : cases) {
        SCOPED_TRACE(reason);
        std::string error;
        auto back = ReadClass(bytes.data(), bytes.size(), error);
        ASSERT_TRUE(back) << error;
        EXPECT_NE(English(back->m_policyDropped).find("(" + reason), std::string::npos)
            << English(back->m_policyDropped);
        EXPECT_FALSE(back->NeedsPolicyBlock());
        EXPECT_EQ(WriteClass(*back), old);
    }
    // Reading into a used document clears what an earlier class's block left.
    auto reused = std::make_unique<CMarkwiseDoc>(*doc);
    std::string error;
    ASSERT_TRUE(ReadClassInto(old.data(), old.size(), *reused, error));
    EXPECT_FALSE(reused->NeedsPolicyBlock());
    EXPECT_EQ(WriteClass(*reused), old);
}

} // namespace
} // namespace markwise
