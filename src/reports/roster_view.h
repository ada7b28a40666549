#pragma once

#include "framework/student_find.h"
#include "report_view.h"

namespace markwise {

// The class roster: every student in class order with ID, grade level, book number and
// phone. The student commands and a click on a student's line edit the class from here.
class CRosterView : public CReportView {
    Q_OBJECT
public:
    explicit CRosterView(CDocument& document);

protected:
    ReportScreen layoutScreen(int rowHeight, VisibleBand band) const override;
    ReportPrintout printPage(const PageRequest& page) const override;
    void onClick(int x, int y) override;
    int highlightedItem() const override;

private:
    int m_found = -1; // the student Find Student showed last
    StudentFind m_find;
};

} // namespace markwise
