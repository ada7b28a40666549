#pragma once

#include "geometry/student_report_layout.h"
#include "report_view.h"

namespace markwise {

// One student's result on every assignment, with a totals line. The window stays with
// one class position for its whole life.
class CStuView : public CReportView {
    Q_OBJECT
public:
    explicit CStuView(CDocument& document);

    // Asks for the student with the Student Report dialog.
    void runDialog();

    int m_studentIndex = 0;

protected:
    ReportScreen layoutScreen(int rowHeight, VisibleBand band) const override;
    ReportPrintout printPage(const PageRequest& page) const override;
    void onClick(int x, int y) override;

private:
    StudentReportInput input() const;
    void editAssignment(int assignment);

    SheetWords m_words;
};

} // namespace markwise
