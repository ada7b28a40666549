#include "core/class_file.h"
#include "core/encoding.h"
#include "support/temp_folder.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace markwise {
namespace {

using Bytes = std::vector<unsigned char>;

// Assembles hand-made class files; numbers are little-endian as on disk.
struct FileBuilder {
    Bytes bytes;

    FileBuilder& Raw(std::initializer_list<int> values) {
        bytes.insert(bytes.end(), values.begin(), values.end());
        return *this;
    }
    FileBuilder& Append(const Bytes& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
    template <class Number> FileBuilder& Put(Number v) {
        unsigned char raw[sizeof v];
        std::memcpy(raw, &v, sizeof v);
        return Append(Bytes(raw, raw + sizeof v));
    }
    FileBuilder& Zeros(std::size_t count) { return Append(Bytes(count, 0)); }
    // An assignment record up to its scores: a short title, no description.
    FileBuilder& Record(double points, std::int32_t last, const std::string& title = "") {
        Raw({static_cast<int>(title.size())}).Append(Bytes(title.begin(), title.end()));
        return Raw({0}).Put(points).Put(last);
    }
};

FileBuilder Head(std::int32_t students, std::int32_t assignments) {
    FileBuilder file;
    file.Put(students).Put(assignments);
    return file;
}

// The document read from bytes it must accept (an empty one after reporting a failure).
std::unique_ptr<CMarkwiseDoc> ReadOk(const Bytes& bytes) {
    std::string error;
    auto doc = ReadClass(bytes.data(), bytes.size(), error);
    EXPECT_TRUE(doc) << error;
    return doc ? std::move(doc) : std::make_unique<CMarkwiseDoc>();
}

// Every accepted file saves back to the very same bytes.
std::unique_ptr<CMarkwiseDoc> RoundTrip(const Bytes& bytes) {
    auto doc = ReadOk(bytes);
    EXPECT_EQ(WriteClass(*doc), bytes);
    return doc;
}

std::string Refusal(const Bytes& bytes) {
    std::string error;
    EXPECT_FALSE(ReadClass(bytes.data(), bytes.size(), error)) << "accepted a damaged file";
    return error;
}

const Bytes kWorkedExample = {
    0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x03, 0x41, 0x6E, 0x6E, 0x03, 0x4C, 0x65,
    0x65, 0x01, 0x37, 0x04, 0x51, 0x75, 0x69, 0x7A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x24, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x23, 0x40, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

TEST(ClassFile, WorkedExampleAndEmptyDocumentAreExactBothWays) {
    ASSERT_EQ(kWorkedExample.size(), 57u);
    // The bytes round trip; the read must also put each field in its own place.
    auto doc = RoundTrip(kWorkedExample);
    EXPECT_EQ(doc->GetFullName(0), "Lee, Ann");
    EXPECT_EQ(doc->m_assignments[0].m_pointsPossible, 10.0);
    EXPECT_EQ(doc->m_assignments[0].m_scores[0], 9.5);
    // Entries the file does not cover keep their constructor value.
    EXPECT_EQ(doc->m_assignments[0].m_scores[1], MISSING_SCORE);

    const Bytes empty(8, 0);
    EXPECT_EQ(WriteClass(CMarkwiseDoc()), empty);
    auto withTail = ReadOk(Head(0, 0).Raw({0xDE, 0xAD}).bytes);
    EXPECT_EQ(withTail->m_showNames, 1);
    EXPECT_EQ(WriteClass(*withTail), empty); // bytes after the last field are ignored
}

TEST(ClassFile, StringPrefixSizesAtEveryBoundary) {
    const std::pair<std::size_t, Bytes> cases[] = {
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
    };
    for (const auto& [length, prefix] : cases) {
        SCOPED_TRACE(length);
        CMarkwiseDoc doc;
        doc.m_studentCount = 1;
        doc.m_firstName[0] = std::string(length, 'x');
        const Bytes bytes = WriteClass(doc);
        ASSERT_EQ(bytes.size(), 8 + prefix.size() + length + 5 + 10);
        EXPECT_EQ(Bytes(bytes.begin() + 8, bytes.begin() + 8 + prefix.size()), prefix);
        EXPECT_EQ(RoundTrip(bytes)->m_firstName[0], doc.m_firstName[0]);
    }
}

TEST(ClassFile, LeftoversTravelUnchanged) {
    CMarkwiseDoc doc;
    for (int s = 0; s < 5; ++s)
        doc.AddStudent({"F" + std::to_string(s), "L" + std::to_string(s), "", "", "", ""});
    ASSERT_TRUE(doc.NewAssignment("Test", "", 20));
    for (int s = 0; s < 5; ++s)
        doc.m_assignments[0].SetScore(10 + s, s);
    doc.RemoveStudent(1);
    doc.RemoveStudent(1);
    // Counts, three students' names and IDs, the record ("Test", "", 20.0, L = 4, five
    // scores), the other three fields and ten reserved strings per student.
    const Bytes bytes = WriteClass(doc);
    EXPECT_EQ(bytes.size(), 8 + 3 * (3 + 3 + 1) + (5 + 1 + 8 + 4 + 5 * 8) + 3 * 3 + 30);
    auto back = RoundTrip(bytes);
    EXPECT_EQ(back->m_assignments[0].m_lastIndex, 4);
    EXPECT_EQ(back->m_assignments[0].m_scores[4], 14); // a leftover of the shifted slots

    // A negative L reads no scores and is kept.
    const Bytes negative = Head(1, 1).Raw({1, 'A', 1, 'B', 0}).Record(4, -3, "Lab").Zeros(13).bytes;
    EXPECT_EQ(RoundTrip(negative)->m_assignments[0].m_lastIndex, -3);

    // Reserved text is stored for the slots in use only.
    doc.m_reservedText[29] = "r29";
    doc.m_reservedText[30] = "r30";
    auto kept = RoundTrip(WriteClass(doc));
    EXPECT_EQ(kept->m_reservedText[29], "r29");
    EXPECT_EQ(kept->m_reservedText[30], "");
}

// The wide form at each inner prefix size, and texts that fit Windows-1252 staying narrow.
TEST(ClassFile, TextsBeyondWindows1252TakeTheWideForm) {
    // U+0141 is one UTF-16 unit; the prefix counts units, as does U+1F600's surrogate pair.
    const std::pair<std::size_t, Bytes> cases[] = {
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
    };
    for (const auto& [units, prefix] : cases) {
        SCOPED_TRACE(units);
        CMarkwiseDoc doc;
        doc.m_studentCount = 1;
        doc.m_lastName[0] = "\U0001F600";
        for (std::size_t i = 2; i < units; ++i)
            doc.m_lastName[0] += "\u0141";
        const Bytes bytes = WriteClass(doc);
        ASSERT_EQ(bytes.size(), 8 + 1 + prefix.size() + 2 * units + 4 + 10);
        EXPECT_EQ(Bytes(bytes.begin() + 9, bytes.begin() + 9 + prefix.size()), prefix);
        EXPECT_EQ(Bytes(bytes.begin() + 9 + prefix.size(), bytes.begin() + 13 + prefix.size()),
                  (Bytes{0x3D, 0xD8, 0x00, 0xDE}));
        EXPECT_EQ(RoundTrip(bytes)->m_lastName[0], doc.m_lastName[0]);
    }

    // The seven names of a real class, each exactly as its bytes say.
    const std::pair<const char*, Bytes> names[] = {
        {"Nguy\u1EC5n", {0xFF, 0xFE, 0xFF, 6, 'N', 0, 'g', 0, 'u', 0, 'y', 0, 0xC5, 0x1E, 'n', 0}},
        {"\u0141ukasz", {0xFF, 0xFE, 0xFF, 6, 0x41, 0x01, 'u', 0, 'k', 0, 'a', 0, 's', 0, 'z', 0}},
        {"Dvo\u0159\u00E1k",
         {0xFF, 0xFE, 0xFF, 6, 'D', 0, 'v', 0, 'o', 0, 0x59, 1, 0xE1, 0, 'k', 0}},
        {"\u014Ce", {0xFF, 0xFE, 0xFF, 2, 0x4C, 0x01, 'e', 0}},
        {"\u0418\u0432", {0xFF, 0xFE, 0xFF, 2, 0x18, 0x04, 0x32, 0x04}},
        {"\u738B\u82B3", {0xFF, 0xFE, 0xFF, 2, 0x8B, 0x73, 0xB3, 0x82}},
        {"\u00D6zdemir", {7, 0xD6, 'z', 'd', 'e', 'm', 'i', 'r'}}, // fits: as today
    };
    for (const auto& [name, form] : names) {
        SCOPED_TRACE(name);
        const Bytes file = Head(1, 0).Append(form).Zeros(5 + 10).bytes;
        EXPECT_EQ(RoundTrip(file)->m_firstName[0], name);
    }

    // Wide texts that fit Windows-1252, with each prefix form in turn, read as the same
    // text and are saved narrow; so is an empty wide text.
    const Bytes units = {'Z', 0, 'o', 0, 0xEB, 0, ' ', 0, 0xAC, 0x20};
    FileBuilder file = Head(1, 0);
    for (const Bytes& prefix : {Bytes{0xFF, 0xFE, 0xFF, 5}, Bytes{0xFF, 0xFE, 0xFF, 0xFF, 5, 0},
                                Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 5, 0, 0, 0}})
        file.Append(prefix).Append(units);
    auto doc = ReadOk(file.Raw({0xFF, 0xFE, 0xFF, 0}).Zeros(2 + 10).bytes);
    for (const std::string& text : {doc->m_firstName[0], doc->m_lastName[0], doc->m_studentId[0]})
        EXPECT_EQ(text, "Zo\u00EB \u20AC");
    EXPECT_EQ(doc->m_bookNumber[0], "");
    EXPECT_EQ(WriteClass(*doc), Head(1, 0)
                                    .Raw({5, 'Z', 'o', 0xEB, ' ', 0x80})
                                    .Raw({5, 'Z', 'o', 0xEB, ' ', 0x80})
                                    .Raw({5, 'Z', 'o', 0xEB, ' ', 0x80})
                                    .Zeros(3 + 10)
                                    .bytes);
}

TEST(ClassFile, BrokenWideTextsAreRefused) {
    const std::string damaged = "it holds a damaged text field";
    const std::string cut = "it ends before the class is complete";
    const auto wide = [](Bytes units) {
        return Head(1, 0).Raw({0xFF, 0xFE, 0xFF}).Append(units).Zeros(15).bytes;
    };
    const std::pair<Bytes, std::string> cases[] = {
        {wide({1, 0x3D, 0xD8}), damaged},                           // a high surrogate alone
        {wide({1, 0x00, 0xDE}), damaged},                           // a low surrogate alone
        {wide({2, 0x3D, 0xD8, 'x', 0}), damaged},                   // a high one before a letter
        {wide({2, 0x00, 0xDE, 0x3D, 0xD8}), damaged},               // a pair the wrong way round
        {wide({0xFF, 0xFE, 0xFF, 1, 'x', 0}), damaged},             // a second marker
        {Head(1, 0).Raw({0xFF, 0xFE, 0xFF, 9, 'x', 0}).bytes, cut}, // past the file's end
        {Head(1, 0).Raw({0xFF, 0xFE, 0xFF, 0xFF}).bytes, cut},      // its prefix cut short
        {Head(1, 0).Raw({0xFF, 0xFE}).bytes, cut},
    };
    for (const auto& [bytes, error] : cases)
        EXPECT_EQ(Refusal(bytes), error);
}

// Random classes of Windows-1252 texts, laid out byte by byte as files have always been:
// each reads as the texts' characters and saves to the very same bytes.
TEST(ClassFile, RandomWindows1252ClassesSaveAsTheyAlwaysHave) {
    std::mt19937 rng(20240611);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto text = [&] {
        static constexpr int kLengths[] = {0, 1, 2, 8, 30, 254, 255, 256, 300};
        std::string s(kLengths[pick(0, 8)], '\0');
        for (char& c : s)
            c = static_cast<char>(pick(0, 255));
        return s;
    };
    auto put = [](FileBuilder& file, const std::string& bytes) {
        if (bytes.size() < 0xFF)
            file.Raw({static_cast<int>(bytes.size())});
        else
            file.Raw({0xFF}).Put(static_cast<std::uint16_t>(bytes.size()));
        file.Append(Bytes(bytes.begin(), bytes.end()));
    };
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        const int n = pick(0, 12);
        const int m = pick(0, 6);
        FileBuilder file = Head(n, m);
        std::vector<std::string> firstNames;
        for (int s = 0; s < 3 * n; ++s) {
            firstNames.push_back(text());
            put(file, firstNames.back());
        }
        for (int a = 0; a < m; ++a) {
            put(file, text());
            put(file, text());
            const int last = std::min(n - 1 + pick(-2, 6), kMaxStudents - 1);
            file.Put(pick(-5, 500) / 4.0).Put(static_cast<std::int32_t>(last));
            for (int s = 0; s <= last; ++s)
                file.Put(pick(0, 4) == 0 ? MISSING_SCORE : pick(-100, 1000) / 8.0);
        }
        for (int s = 0; s < 3 * n + n * kReservedPerStudent; ++s)
            put(file, pick(0, 9) == 0 ? text() : "");
        auto doc = RoundTrip(file.bytes);
        for (int s = 0; s < n; ++s)
            ASSERT_EQ(doc->m_firstName[s], Cp1252ToUtf8(firstNames[s]));
    }
}

TEST(ClassFile, TruncatedAndHostileFilesAreRefusedWithoutAllocating) {
    const std::string cut = "it ends before the class is complete";
    for (std::size_t size : {0, 7, 12, 30, 56})
        EXPECT_EQ(Refusal(Bytes(kWorkedExample.begin(), kWorkedExample.begin() + size)), cut);
    const std::pair<Bytes, std::string> cases[] = {
        {Head(5000, 0).bytes, "it says it holds 5000 students (at most 1000)"},
        {Head(-1, 0).bytes, "it says it holds -1 students (at most 1000)"},
        {Head(0, 201).bytes, "it says it holds 201 assignments (at most 200)"},
        {Head(0, 1).Record(1, 1000).Zeros(8008).bytes,
         "its assignment 1 has 1001 score entries (at most 1000)"},
        {Head(0, 2).Record(1, -1).Record(1, INT_MAX).Zeros(8008).bytes, "its assignment 2 has "},
        // 4 GiB claimed by a 20-byte file, as plain and as wide text.
        {Head(1, 0).Raw({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).Zeros(5).bytes, cut},
        {Head(1, 0).Raw({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).bytes, cut},
        // Values no one can total.
        {Head(0, 3).Record(1, -1).Record(1, -1).Record(1, 1).Put(0.0).Put(double(NAN)).bytes,
         "Assignment 3: a score is not a number"},
        {Head(0, 1).Record(INFINITY, -1).bytes, "Assignment 1: the points possible are infinite"},
        {Head(0, 1).Record(-NAN, -1).bytes, "Assignment 1: the points possible are not a number"},
        {Head(0, 1).Record(1, 0).Put(-double(INFINITY)).bytes, "Assignment 1: a score is infinite"},
    };
    for (const auto& [bytes, error] : cases)
        EXPECT_EQ(Refusal(bytes).substr(0, error.size()), error);

    // The largest class is accepted: 1000 empty students, 200 records with L = 999.
    FileBuilder largest = Head(1000, 200).Zeros(3000);
    for (int a = 0; a < 200; ++a)
        largest.Record(1, 999).Zeros(8000);
    RoundTrip(largest.Zeros(3000 + 10000).bytes);
}

TEST(ClassFile, LoadAndSaveFilesOnDisk) {
    test::TempFolder folder;
    const std::string path = folder.File("Period3.MKW");
    std::string error;
    auto expectRefused = [&](const std::string& file, const std::string& reason) {
        EXPECT_FALSE(LoadClassFile(file, error));
        EXPECT_NE(error.find(reason), std::string::npos) << error;
        EXPECT_NE(error.find(std::filesystem::path(file).filename().string()), std::string::npos)
            << error;
    };
    expectRefused(path, "does not exist");

    ASSERT_TRUE(SaveClassFile(path, *ReadOk(kWorkedExample), error)) << error;
    EXPECT_EQ(test::ReadText(path), std::string(kWorkedExample.begin(), kWorkedExample.end()));
    test::WriteBytes(path, std::string(kWorkedExample.begin(), kWorkedExample.end() - 1));
    // Plain words first, then the detail; an empty file says just that.
    expectRefused(path, "Period3.MKW is not a Markwise class file, or it is damaged: it ends "
                        "before the class is complete.");
    test::WriteBytes(path, std::string("rcls\0\0\0\0", 8));
    expectRefused(path, "Period3.MKW is not a Markwise class file, or it is damaged: it says it "
                        "holds 1936483186 students (at most 1000).");
    test::WriteBytes(path, "");
    expectRefused(path, "Period3.MKW is empty");
    expectRefused(folder.Path().string(), "folder");
    // Far beyond any class: refused before anything is read (the file is sparse).
    std::filesystem::resize_file(path, std::uintmax_t{65} << 20);
    expectRefused(path, "larger than any class file");

    // Nor is such a file ever written: the old one stays.
    const std::string old = test::ReadText(path);
    CMarkwiseDoc huge;
    huge.m_studentCount = 1;
    huge.m_lastName[0].assign(kMaxClassFileBytes, 'x');
    EXPECT_FALSE(SaveClassFile(path, huge, error));
    EXPECT_EQ(error, "Could not save \"" + path +
                         "\". The class would take more than the 64 MB a class file may hold.");
    EXPECT_TRUE(test::ReadText(path) == old);
}

} // namespace
} // namespace markwise
