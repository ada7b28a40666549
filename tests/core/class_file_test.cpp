#include "core/class_file.h"
#include "temp_folder.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace markwise {
namespace {

using Bytes = std::vector<unsigned char>;

// Assembles hand-made class files.
struct FileBuilder {
    Bytes bytes;

    FileBuilder& Raw(std::initializer_list<int> values) {
        for (int v : values) {
            bytes.push_back(static_cast<unsigned char>(v));
        }
        return *this;
    }
    FileBuilder& Int(std::int32_t v) {
        unsigned char raw[4];
        std::memcpy(raw, &v, 4);
        bytes.insert(bytes.end(), raw, raw + 4);
        return *this;
    }
    FileBuilder& Double(double v) {
        unsigned char raw[8];
        std::memcpy(raw, &v, 8);
        bytes.insert(bytes.end(), raw, raw + 8);
        return *this;
    }
    FileBuilder& ShortString(const std::string& s) {
        bytes.push_back(static_cast<unsigned char>(s.size()));
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    FileBuilder& Zeros(std::size_t count) {
        bytes.insert(bytes.end(), count, 0);
        return *this;
    }
};

std::unique_ptr<CMarkwiseDoc> Read(const Bytes& bytes, std::string& error) {
    return ReadClass(bytes.data(), bytes.size(), error);
}

std::unique_ptr<CMarkwiseDoc> ReadOk(const Bytes& bytes) {
    std::string error;
    auto doc = Read(bytes, error);
    EXPECT_TRUE(doc) << error;
    return doc;
}

std::string Refusal(const Bytes& bytes) {
    std::string error;
    EXPECT_FALSE(Read(bytes, error)) << "accepted a file it should refuse";
    return error;
}

std::unique_ptr<CMarkwiseDoc> WorkedExampleDoc() {
    auto doc = std::make_unique<CMarkwiseDoc>();
    doc->m_studentCount = 1;
    doc->m_firstName[0] = "Ann";
    doc->m_lastName[0] = "Lee";
    doc->m_studentId[0] = "7";
    doc->m_assignmentCount = 1;
    doc->m_assignments[0].SetDetails("Quiz", "", 10.0);
    doc->m_assignments[0].SetScore(9.5, 0);
    return doc;
}

const Bytes kWorkedExample = {
    0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x03, 0x41, 0x6E, 0x6E, 0x03, 0x4C, 0x65,
    0x65, 0x01, 0x37, 0x04, 0x51, 0x75, 0x69, 0x7A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x24, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x23, 0x40, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

TEST(ClassFile, WorkedExampleIsExactBothWays) {
    ASSERT_EQ(kWorkedExample.size(), 57u);
    EXPECT_EQ(WriteClass(*WorkedExampleDoc()), kWorkedExample);

    auto doc = ReadOk(kWorkedExample);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->m_studentCount, 1);
    EXPECT_EQ(doc->m_lastName[0], "Lee");
    EXPECT_EQ(doc->m_studentId[0], "7");
    const CAssignment& quiz = doc->m_assignments[0];
    EXPECT_EQ(quiz.m_title, "Quiz");
    EXPECT_EQ(quiz.m_pointsPossible, 10.0);
    EXPECT_EQ(quiz.m_lastIndex, 0);
    EXPECT_EQ(quiz.m_scores[0], 9.5);
    // Entries the file does not cover keep their constructor value.
    EXPECT_EQ(quiz.m_scores[1], MISSING_SCORE);
    EXPECT_EQ(doc->m_assignments[1].m_lastIndex, 0);
    EXPECT_EQ(WriteClass(*doc), kWorkedExample);
}

TEST(ClassFile, EmptyDocumentIsEightZeroBytesAndTrailingBytesAreIgnored) {
    const Bytes empty(8, 0);
    EXPECT_EQ(WriteClass(CMarkwiseDoc()), empty);

    Bytes withTail = empty;
    withTail.insert(withTail.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    auto doc = ReadOk(withTail);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->m_studentCount, 0);
    EXPECT_EQ(doc->m_assignmentCount, 0);
    EXPECT_EQ(doc->m_showNames, 1);
    EXPECT_EQ(doc->m_firstIncluded, 0);
    EXPECT_EQ(WriteClass(*doc), empty);
}

TEST(ClassFile, StringPrefixSizesAtEveryBoundary) {
    const std::vector<std::pair<std::size_t, Bytes>> cases = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& [length, prefix] : cases) {
        SCOPED_TRACE(length);
        CMarkwiseDoc doc;
        doc.m_studentCount = 1;
        doc.m_firstName[0] = std::string(length, 'x');
        const Bytes bytes = WriteClass(doc);
        ASSERT_GE(bytes.size(), 8 + prefix.size() + length);
        EXPECT_EQ(Bytes(bytes.begin() + 8, bytes.begin() + 8 + prefix.size()), prefix);
        EXPECT_EQ(bytes.size(), 8 + prefix.size() + length + 5 + 10);

        auto back = ReadOk(bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->m_firstName[0], doc.m_firstName[0]);
        EXPECT_EQ(back->m_lastName[0], "");
        EXPECT_EQ(WriteClass(*back), bytes);
    }

    // A 300-character title, possible through the Edit Assignment dialog.
    CMarkwiseDoc doc;
    doc.m_studentCount = 1;
    doc.m_assignmentCount = 1;
    doc.m_assignments[0].SetDetails(std::string(300, 'T'), "", 5);
    const Bytes bytes = WriteClass(doc);
    EXPECT_EQ(Bytes(bytes.begin() + 11, bytes.begin() + 14), (Bytes{0xFF, 0x2C, 0x01}));
}

TEST(ClassFile, LeftoverScoresOfRemovedStudentsAreKept) {
    CMarkwiseDoc doc;
    for (int s = 0; s < 5; ++s) {
        doc.AddStudent({"First" + std::to_string(s), "Last" + std::to_string(s), "", "", "", ""});
    }
    ASSERT_TRUE(doc.NewAssignment("Test", "", 20));
    for (int s = 0; s < 5; ++s) {
        doc.m_assignments[0].SetScore(10 + s, s);
    }
    doc.RemoveStudent(1);
    doc.RemoveStudent(1);
    ASSERT_EQ(doc.m_studentCount, 3);

    const Bytes bytes = WriteClass(doc);
    // Header, three names per string field, then the record: "Test", "", 20.0, L.
    std::size_t pos = 8 + 3 * (1 + 6) + 3 * (1 + 5) + 3 * 1 + 5 + 1 + 8;
    int last;
    std::memcpy(&last, &bytes[pos], 4);
    EXPECT_EQ(last, 4);
    double scores[5];
    std::memcpy(scores, &bytes[pos + 4], sizeof scores);
    EXPECT_EQ(scores[0], 10);
    EXPECT_EQ(scores[1], 13);
    EXPECT_EQ(scores[2], 14);
    EXPECT_EQ(scores[3], 14); // leftovers of the shifted slots
    EXPECT_EQ(scores[4], 14);
    EXPECT_EQ(bytes.size(), pos + 4 + 5 * 8 + 3 * 3 + 30);

    auto back = ReadOk(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->m_assignments[0].m_lastIndex, 4);
    EXPECT_EQ(back->m_assignments[0].m_scores[4], 14);
    EXPECT_EQ(WriteClass(*back), bytes);
}

TEST(ClassFile, NegativeLastIndexReadsNoScoresAndIsKept) {
    const Bytes bytes = FileBuilder()
                            .Int(1)
                            .Int(1)
                            .ShortString("A")
                            .ShortString("B")
                            .ShortString("")
                            .ShortString("Lab")
                            .ShortString("")
                            .Double(4)
                            .Int(-3)
                            .Zeros(3 + 10)
                            .bytes;
    auto doc = ReadOk(bytes);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->m_assignments[0].m_lastIndex, -3);
    EXPECT_EQ(doc->m_assignments[0].m_scores[0], MISSING_SCORE);
    EXPECT_EQ(WriteClass(*doc), bytes);
}

TEST(ClassFile, ReservedTextTravelsWithItsSlotsOnly) {
    CMarkwiseDoc doc;
    doc.m_studentCount = 2;
    for (int i = 0; i < 21; ++i) {
        doc.m_reservedText[i] = "r" + std::to_string(i);
    }
    const Bytes bytes = WriteClass(doc);
    auto back = ReadOk(bytes);
    ASSERT_TRUE(back);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(back->m_reservedText[i], "r" + std::to_string(i));
    }
    EXPECT_EQ(back->m_reservedText[20], ""); // slot 2 is not in use, so not stored
    EXPECT_EQ(WriteClass(*back), bytes);
}

TEST(ClassFile, WideStringsAreConvertedToWindows1252) {
    // "Zoë €" + U+1F600 (a surrogate pair) + U+4E2D, each prefix form in turn.
    const Bytes units = {'Z',  0,    'o',  0,    0xEB, 0,    ' ',  0,
                         0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE, 0x2D, 0x4E};
    const std::string expected = "Zo\xEB \x80??";
    FileBuilder file;
    file.Int(1).Int(0);
    file.Raw({0xFF, 0xFE, 0xFF, 8}).bytes.insert(file.bytes.end(), units.begin(), units.end());
    file.Raw({0xFF, 0xFE, 0xFF, 0xFF, 8, 0})
        .bytes.insert(file.bytes.end(), units.begin(), units.end());
    file.Raw({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 8, 0, 0, 0})
        .bytes.insert(file.bytes.end(), units.begin(), units.end());
    file.Raw({0xFF, 0xFE, 0xFF, 0}).Zeros(2 + 10);

    auto doc = ReadOk(file.bytes);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->m_firstName[0], expected);
    EXPECT_EQ(doc->m_lastName[0], expected);
    EXPECT_EQ(doc->m_studentId[0], expected);
    EXPECT_EQ(doc->m_bookNumber[0], "");

    // Saved back as plain single-byte text, stable from then on.
    const Bytes saved = WriteClass(*doc);
    auto again = ReadOk(saved);
    ASSERT_TRUE(again);
    EXPECT_EQ(WriteClass(*again), saved);

    // A wide marker inside a wide prefix is damage, not a length.
    const Bytes nested =
        FileBuilder().Int(1).Int(0).Raw({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}).Zeros(40).bytes;
    EXPECT_FALSE(Refusal(nested).empty());
}

// Random documents: saving, loading and saving again must give the same bytes.
TEST(ClassFile, RandomDocumentsRoundTripByteForByte) {
    std::mt19937 rng(20240611);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto text = [&] {
        static constexpr int kLengths[] = {0, 1, 2, 8, 30, 254, 255, 256, 300};
        std::string s(kLengths[pick(0, 8)], '\0');
        for (char& c : s) {
            c = static_cast<char>(pick(0, 255));
        }
        return s;
    };
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        auto doc = std::make_unique<CMarkwiseDoc>();
        const bool full = round % 100 == 99;
        doc->m_studentCount = full ? kMaxStudents : pick(0, 12);
        doc->m_assignmentCount = full ? kMaxAssignments : pick(0, 6);
        const int n = doc->m_studentCount;
        for (int s = 0; s < n; ++s) {
            for (auto* field : {&doc->m_firstName, &doc->m_lastName, &doc->m_studentId,
                                &doc->m_bookNumber, &doc->m_phone, &doc->m_gradeLevel}) {
                (*field)[s] = full ? "x" : text();
            }
            for (int r = 0; r < kReservedPerStudent; ++r) {
                doc->m_reservedText[s * kReservedPerStudent + r] = pick(0, 9) == 0 ? text() : "";
            }
        }
        for (int a = 0; a < doc->m_assignmentCount; ++a) {
            CAssignment& record = doc->m_assignments[a];
            record.SetDetails(full ? "t" : text(), full ? "" : text(), pick(-5, 500) / 4.0);
            record.m_lastIndex = std::min(n - 1 + pick(-2, 6), kMaxStudents - 1);
            for (int s = 0; s <= record.m_lastIndex; ++s) {
                record.m_scores[s] = pick(0, 4) == 0 ? MISSING_SCORE : pick(-100, 1000) / 8.0;
            }
        }
        const Bytes first = WriteClass(*doc);
        auto back = ReadOk(first);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->m_studentCount, doc->m_studentCount);
        EXPECT_EQ(back->m_assignmentCount, doc->m_assignmentCount);
        EXPECT_EQ(WriteClass(*back), first);
    }
}

TEST(ClassFile, TruncatedFilesAreRefusedAtEveryLength) {
    FileBuilder wide;
    wide.Int(1).Int(0).Raw({0xFF, 0xFE, 0xFF, 0x02, 'O', 0, 'K', 0}).Raw({0xFF, 0x00, 0x01});
    wide.bytes.insert(wide.bytes.end(), 256, 'p');
    wide.Zeros(4 + 10);
    for (const Bytes& whole : {kWorkedExample, WriteClass(CMarkwiseDoc()), wide.bytes}) {
        ASSERT_TRUE(ReadOk(whole));
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const Bytes cut(whole.begin(), whole.begin() + size);
            EXPECT_EQ(Refusal(cut), "The file ends before the class is complete.") << size;
        }
    }
}

TEST(ClassFile, CountsAndLastIndexBeyondCapacityAreRefused) {
    EXPECT_EQ(Refusal(FileBuilder().Int(5000).Int(0).bytes),
              "The class file says it holds 5000 students; a class holds at most 1000.");
    EXPECT_EQ(Refusal(FileBuilder().Int(-1).Int(0).bytes),
              "The class file says it holds -1 students; a class holds at most 1000.");
    EXPECT_EQ(Refusal(FileBuilder().Int(0).Int(201).bytes),
              "The class file says it holds 201 assignments; a class holds at most 200.");
    EXPECT_FALSE(Refusal(FileBuilder().Int(0).Int(INT_MIN).bytes).empty());

    for (int last : {1000, INT_MAX}) {
        const Bytes bytes = FileBuilder()
                                .Int(0)
                                .Int(2)
                                .Zeros(2)
                                .Double(1)
                                .Int(-1)
                                .Zeros(2)
                                .Double(1)
                                .Int(last)
                                .Zeros(8 * 1001)
                                .bytes;
        EXPECT_EQ(Refusal(bytes).rfind("Assignment 2 in the class file has ", 0), 0u);
    }
    EXPECT_EQ(Refusal(FileBuilder().Int(0).Int(1).Zeros(2).Double(1).Int(1000).Zeros(8008).bytes),
              "Assignment 1 in the class file has 1001 score entries; a class holds at most "
              "1000 students.");

    // The largest class is accepted: 1000 empty students, 200 records with L = 999.
    FileBuilder largest;
    largest.Int(1000).Int(200).Zeros(3000);
    for (int a = 0; a < 200; ++a) {
        largest.Zeros(2).Double(1).Int(999).Zeros(8000);
    }
    largest.Zeros(3000 + 10000);
    auto doc = ReadOk(largest.bytes);
    ASSERT_TRUE(doc);
    EXPECT_EQ(WriteClass(*doc), largest.bytes);
}

TEST(ClassFile, HugeLengthPrefixesAreRefusedWithoutAllocating) {
    // 4 GiB claimed by a 20-byte file, as plain and as wide text.
    EXPECT_EQ(Refusal(FileBuilder()
                          .Int(1)
                          .Int(0)
                          .Raw({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})
                          .Zeros(5)
                          .bytes),
              "The file ends before the class is complete.");
    EXPECT_EQ(Refusal(FileBuilder()
                          .Int(1)
                          .Int(0)
                          .Raw({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})
                          .bytes),
              "The file ends before the class is complete.");
}

TEST(ClassFile, LoadAndSaveFilesOnDisk) {
    test::TempFolder folder;
    const std::string path = folder.File("Period3.MKW");
    std::string error;
    EXPECT_FALSE(LoadClassFile(path, error));
    EXPECT_NE(error.find("does not exist"), std::string::npos) << error;
    EXPECT_NE(error.find(path), std::string::npos) << error;

    ASSERT_TRUE(SaveClassFile(path, *WorkedExampleDoc(), error)) << error;
    EXPECT_EQ(test::ReadBytes(path), kWorkedExample);
    auto doc = LoadClassFile(path, error);
    ASSERT_TRUE(doc) << error;
    EXPECT_EQ(doc->m_firstName[0], "Ann");

    test::WriteBytes(path, std::string(kWorkedExample.begin(), kWorkedExample.end() - 1));
    EXPECT_FALSE(LoadClassFile(path, error));
    EXPECT_NE(error.find("ends before the class is complete"), std::string::npos) << error;

    EXPECT_FALSE(LoadClassFile(folder.Path().string(), error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;

    // Far beyond any class: refused before anything is read (the file is sparse).
    std::filesystem::resize_file(path, std::uintmax_t{65} << 20);
    EXPECT_FALSE(LoadClassFile(path, error));
    EXPECT_NE(error.find("larger than any class file"), std::string::npos) << error;
}

} // namespace
} // namespace markwise
