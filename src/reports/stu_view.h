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
    void RunDialog();

    int m_studentIndex = 0;

protected:
    ReportScreen LayoutScreen(int rowHeight, VisibleBand band) const override;
    ReportPrintout PrintPage(const PageRequest& page) const override;
    void OnClick(int x, int y) override;

private:
    StudentReportInput Input() const;
    void EditAssignment(int assignment);
};

} // namespace markwise
