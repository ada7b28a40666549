#pragma once

// A class as Canvas exports it, with the platform's total columns after the assignments on
// every line and "(read only)" in their points row, and File > Import's path through it.
#include "core/csv_layout.h"
#include "core/csv_sheet.h"
#include "core/message.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace markwise::bench {

inline std::string CanvasFileWithTotals(const CMarkwiseDoc& doc) {
    const std::string csv = ExportCsv(doc, CsvLayout::Canvas);
    std::string wide;
    std::size_t line = 0;
    for (std::size_t start = 0; start < csv.size(); ++line) {
        const std::size_t end = csv.find('\n', start);
        wide.append(csv, start, end - start);
        wide += line == 0   ? ",Current Score,Final Score,Current Grade,Final Grade\n"
                : line == 1 ? ",(read only),(read only),(read only),(read only)\n"
                            : ",90.5,88.1,A-,B+\n";
        start = end + 1;
    }
    return wide;
}

// The file on disk for as long as it lives, read as File > Import reads it: first for the
// column list, then again with the list's choices into a new class.
class CanvasImport {
public:
    explicit CanvasImport(const CMarkwiseDoc& doc)
        : m_path(std::filesystem::temp_directory_path() /
                 ("markwise-bench-" + std::to_string(getpid()) + ".csv")) {
        const std::string file = CanvasFileWithTotals(doc);
        m_bytes = file.size();
        std::ofstream(m_path, std::ios::binary) << file;
    }
    ~CanvasImport() { std::filesystem::remove(m_path); }
    CanvasImport(const CanvasImport&) = delete;
    CanvasImport& operator=(const CanvasImport&) = delete;

    std::size_t FileSize() const { return m_bytes; }

    bool ReadForColumnList(CsvTable& cells, CsvSheet& sheet, Message& error) const {
        std::string bytes;
        return LoadCsvBytes(m_path.string(), bytes, error) && ReadSheetCells(bytes, cells, error) &&
               SheetFromCells(cells, sheet, error);
    }

    static std::unique_ptr<CMarkwiseDoc> NewClass(const CsvTable& cells, CsvSheet& sheet,
                                                  const std::vector<CsvColumnChoice>& choices,
                                                  Message& error) {
        return SheetWithChoices(cells, sheet, error, {}, choices) ? ClassFromSheet(sheet) : nullptr;
    }

private:
    std::filesystem::path m_path;
    std::size_t m_bytes = 0;
};

} // namespace markwise::bench
