// The grading policy on a full class: 1000 students, 200 assignments in 10 categories, each
// dropping its two lowest, with excused and missing scores among them.
#include "core/markwise_doc.h"
#include "core/policy_edit.h"
#include "core/policy_grade.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using markwise::CMarkwiseDoc;

constexpr int kCategories = 10;

std::unique_ptr<CMarkwiseDoc> PolicyClass() {
    auto doc = std::make_unique<CMarkwiseDoc>();
    std::uint32_t state = 4242;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7fff;
    };
    for (int s = 0; s < markwise::kMaxStudents; ++s)
        doc->AddStudent({"First" + std::to_string(s), "Last", "", "", "", ""});
    for (int c = 0; c < kCategories; ++c)
        doc->m_policy.categories.push_back({"Category " + std::to_string(c), 5.0 + c, 2});
    for (int a = 0; a < markwise::kMaxAssignments; ++a) {
        doc->NewAssignment("A" + std::to_string(a + 1), "", 10 + a % 3 * 5);
        doc->m_assignments[a].m_category = a % kCategories;
        for (int s = 0; s < markwise::kMaxStudents; ++s) {
            const unsigned roll = next() % 20;
            if (roll == 0)
                doc->StoreMarkedScore(a, s, 0, markwise::ScoreMark::Excused);
            else if (roll == 1)
                doc->StoreMarkedScore(a, s, 0, markwise::ScoreMark::MissingWork);
            else
                doc->m_assignments[a].m_scores[s] = next() % 16;
        }
    }
    return doc;
}

const CMarkwiseDoc& Class() {
    static const std::unique_ptr<CMarkwiseDoc> doc = PolicyClass();
    return *doc;
}

// Every student's percent, one query each, as the sheet and the reports ask.
void BM_EveryPercentByQuery(benchmark::State& state) {
    const CMarkwiseDoc& doc = Class();
    for (auto _ : state) {
        double sum = 0.0;
        for (int s = 0; s < doc.StudentsInUse(); ++s)
            sum += doc.GetPercent(s);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_EveryPercentByQuery)->Unit(benchmark::kMillisecond);

// Every percent in one pass, as sorts and summaries ask.
void BM_EveryPercentInOnePass(benchmark::State& state) {
    const CMarkwiseDoc& doc = Class();
    for (auto _ : state)
        benchmark::DoNotOptimize(markwise::ClassPercents(doc).data());
}
BENCHMARK(BM_EveryPercentInOnePass)->Unit(benchmark::kMillisecond);

// The same class without its policy, for comparison: points only.
void BM_EveryPercentPointsOnly(benchmark::State& state) {
    auto doc = std::make_unique<CMarkwiseDoc>(Class());
    doc->m_policy = {};
    for (auto _ : state)
        benchmark::DoNotOptimize(markwise::ClassPercents(*doc).data());
}
BENCHMARK(BM_EveryPercentPointsOnly)->Unit(benchmark::kMillisecond);

// A weight changed through the edit path, then every percent again.
void BM_ChangeAWeight(benchmark::State& state) {
    auto doc = std::make_unique<CMarkwiseDoc>(Class());
    std::vector<int> categoryOf;
    for (int a = 0; a < doc->AssignmentsInUse(); ++a)
        categoryOf.push_back(doc->m_assignments[a].m_category);
    int round = 0;
    for (auto _ : state) {
        markwise::GradingPolicy policy = doc->m_policy;
        policy.categories[0].weight = 5.0 + ++round % 7;
        markwise::PolicyEdit(std::move(policy), categoryOf)->Apply(*doc);
        benchmark::DoNotOptimize(markwise::ClassPercents(*doc).data());
    }
}
BENCHMARK(BM_ChangeAWeight)->Unit(benchmark::kMillisecond);

} // namespace
