// Any bytes: the CSV reader either refuses them with a message or yields a class whose
// markwise export reads back as a class that exports to the same text; merging the file
// into the class it made either is refused with a message or changes and adds nothing.
#include "core/csv_layout.h"
#include "core/csv_merge.h"
#include "core/csv_sheet.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two classes filled again for every input: building them costs far more than parsing.
    static const auto docs = std::make_unique<markwise::CMarkwiseDoc[]>(2);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    markwise::CsvSheet sheet;
    std::string error;
    markwise::CMarkwiseDoc* const doc = &docs[0];
    if (!markwise::ImportCsvClassInto(bytes, sheet, error, *doc)) {
        if (error.empty())
            std::abort();
        return 0;
    }
    for (const auto match : {markwise::MergeMatch::Id, markwise::MergeMatch::Name}) {
        markwise::MergePlan plan;
        const bool planned = markwise::PlanMerge(*doc, sheet, match, plan, error);
        if (planned ? !plan.changes.empty() || !plan.added.empty() : error.empty())
            std::abort();
        error.clear();
    }
    const std::string first = markwise::ExportCsv(*doc, markwise::CsvLayout::Markwise);
    if (!markwise::ImportCsvClassInto(first, sheet, error, docs[1]) ||
        markwise::ExportCsv(docs[1], markwise::CsvLayout::Markwise) != first)
        std::abort();
    return 0;
}
