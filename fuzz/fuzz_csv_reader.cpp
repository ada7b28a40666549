// Any bytes: the CSV reader either refuses them with a message or yields a class whose
// markwise export reads back as a class that exports to the same text.
#include "core/csv_layout.h"
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
    const std::string first = markwise::ExportCsv(*doc, markwise::CsvLayout::Markwise);
    const auto again = markwise::ImportCsvClass(first, sheet, error);
    if (!again || markwise::ExportCsv(*again, markwise::CsvLayout::Markwise) != first)
        std::abort();
    return 0;
}
