// Writes the bundled sample class: a tenth-grade physical science class of thirty
// students and twelve assignments whose grades cover every letter from A+ to F under the
// default cutoffs. Everything comes from a fixed seed, so the output is the same bytes
// on every run and every platform.

#include "core/class_file.h"
#include "core/markwise_doc.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using markwise::CMarkwiseDoc;
using markwise::MISSING_SCORE;

// SplitMix64: fully specified, unlike the standard library's distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Between(double low, double high) { return low + (high - low) * Unit(); }

private:
    std::uint64_t m_state;
};

struct Student {
    const char* last;
    const char* first;
    const char* grade;
};

// Every accented letter here has a Windows-1252 byte, so the file holds one byte for each.
constexpr std::array<Student, 30> kStudents = {{
    {"Okafor", "Chidi", "10"},
    {"Hern\u00E1ndez",
     "Sof\u00ED"
     "a",
     "10"},
    {"Nguyen", "Linh", "9"},
    {"O'Brien", "Liam", "10"},
    {"Patel", "Priya", "10"},
    {"Kowalski", "Adam", "9"},
    {"Johnson", "Marcus", "10"},
    {"Tanaka", "Yuki", "10"},
    {"Schmidt", "Zo\u00EB", "9"},
    {"Williams", "Aaliyah", "10"},
    {"Garc\u00ED"
     "a",
     "Mateo", "10"},
    {"Rossi", "Giulia", "9"},
    {"Anderson", "Ethan", "10"},
    {"Kim", "Min-jun", "10"},
    {"Dubois", "Ren\u00E9", "9"},
    {"Brown", "Olivia", "10"},
    {"Ibrahim", "Amina", "10"},
    {"Mu\u00F1oz", "Diego", "9"},
    {"Smith", "Emma", "10"},
    {"Novak", "Petra", "10"},
    {"Lee", "Daniel", "9"},
    {"Chen", "Grace", "10"},
    {"MacDonald", "Fiona", "10"},
    {"Jackson", "Tyrone", "9"},
    {"Larsen", "Freya", "10"},
    {"Smith", "Noah", "10"},
    {"Haddad", "Omar", "9"},
    {"Walker", "Chloe", "10"},
    {"Costa", "Lucas", "10"},
    {"Fitzgerald", "Nora", "9"},
}};

struct Assignment {
    const char* title;
    const char* description;
    double points;
};

constexpr std::array<Assignment, 12> kAssignments = {{
    {"Quiz 1", "Units and measurement", 10},
    {"Homework 1", "", 20},
    {"Lab: Density", "Measure the density of five unknown solids", 50},
    {"Quiz 2", "Mass, volume and density", 10},
    {"Homework 2", "", 20},
    {"Lab: Specific Heat", "", 50},
    {"Midterm Exam", "Chapters 1-6, multiple choice and short answer", 100},
    {"Quiz 3", "", 10},
    {"Homework 3", "Gas law problems, pages 212-214", 20},
    {"Lab: Gas Laws", "", 50},
    {"Research Paper", "Three to five pages on an energy source", 100},
    {"Final Exam", "Cumulative; bring a calculator", 100},
}};

// One percent from inside each grade band (A+ 100 and above, then A down to D-, then F),
// listed so that every letter appears and the middle grades are the common ones.
constexpr std::array<double, 30> kTargetPercents = {
    88.4, 62.1,  97.2, 75.6, 100.0, 85.1, 71.3, 91.8, 79.0, 55.4, 83.2, 96.1,  68.2, 92.7, 65.9,
    82.0, 102.5, 88.9, 73.1, 85.9,  47.3, 95.0, 78.4, 66.1, 91.2, 72.4, 100.0, 86.4, 75.0, 81.6,
};

// Scores are whole points on long assignments and half points on short ones.
double RoundScore(double score, double points) {
    const double step = points > 20 ? 1.0 : 0.5;
    return std::round(score / step) * step;
}

void AddStudents(CMarkwiseDoc& doc, Random& random) {
    const auto bookOffset = static_cast<int>(random.Next() % 250);
    for (std::size_t i = 0; i < kStudents.size(); ++i) {
        const Student& student = kStudents[i];
        // Unique six-digit IDs: steps of 23 with a jitter below 23.
        const auto id = 240100 + 23 * static_cast<int>(i) + static_cast<int>(random.Next() % 20);
        // Distinct book numbers PS1001 to PS1250 (six characters, as the student dialogs allow):
        // 97 and 250 share no factor.
        const auto book = 1001 + (97 * static_cast<int>(i) + bookOffset) % 250;
        const auto phone = static_cast<int>(random.Next() % 100);
        char phoneText[32];
        std::snprintf(phoneText, sizeof phoneText, "(503) 555-01%02d", phone);
        doc.AddStudent({student.first, student.last, std::to_string(id),
                        "PS" + std::to_string(book), phoneText, student.grade});
    }
}

// Scores scattered around each student's target; the final exam then brings the
// student's percent back to the target, so each lands in the intended grade band.
void AddScores(CMarkwiseDoc& doc, Random& random) {
    const int finalExam = static_cast<int>(kAssignments.size()) - 1;
    for (int s = 0; s < doc.m_studentCount; ++s) {
        const double target = kTargetPercents[static_cast<std::size_t>(s)] / 100.0;
        double received = 0.0;
        double possible = 0.0;
        for (int a = 0; a < finalExam; ++a) {
            const double points = kAssignments[static_cast<std::size_t>(a)].points;
            // Now and then a student was absent and has no score.
            if (random.Unit() < 0.06)
                continue;
            const double spread = target >= 1.0 ? 0.0 : random.Between(-0.09, 0.09);
            const double score =
                std::fmax(0.0, std::fmin(RoundScore(points * (target + spread), points), points));
            doc.m_assignments[static_cast<std::size_t>(a)].SetScore(score, s);
            received += score;
            possible += points;
        }
        // The final's bonus question allows a little over full marks.
        const double points = kAssignments[static_cast<std::size_t>(finalExam)].points;
        const double needed = target * (possible + points) - received;
        const double score = std::fmax(0.0, std::fmin(std::ceil(needed), points * 1.05));
        doc.m_assignments[static_cast<std::size_t>(finalExam)].SetScore(score, s);
    }
}

} // namespace

int main(int argc, char** argv) {
    constexpr const char* kUsage = "usage: make-sample OUT.mkw\n";
    const std::string_view out = argc == 2 ? argv[1] : "";
    if (out == "--help" || out == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    // An option is never taken for a file name (a name starting with "-" can be "./-x").
    if (out.empty() || out.front() == '-') {
        std::fputs(kUsage, stderr);
        return 1;
    }
    CMarkwiseDoc doc;
    Random random(20240902);
    AddStudents(doc, random);
    for (const Assignment& assignment : kAssignments)
        doc.NewAssignment(assignment.title, assignment.description, assignment.points);
    AddScores(doc, random);

    std::string error;
    if (!markwise::SaveClassFile(argv[1], doc, error)) {
        std::fprintf(stderr, "make-sample: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
