// Any bytes: the CSV reader either refuses them with a message or yields a class whose
// markwise export reads back as a class that exports to the same text; merging the file
// into the class it made either is refused with a message or changes and adds nothing.
#include "core/csv_layout.h"
#include "core/csv_merge.h"
#include "core/csv_sheet.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    markwise::CsvSheet sheet;
    std::string error;
    const auto doc = markwise::ImportCsvClass(bytes, sheet, error);
    if (!doc) {
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
    const auto again = markwise::ImportCsvClass(first, sheet, error);
    if (!again || markwise::ExportCsv(*again, markwise::CsvLayout::Markwise) != first)
        std::abort();
    return 0;
}
