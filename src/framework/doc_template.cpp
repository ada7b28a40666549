#include "doc_template.h"

namespace markwise {

ReportViewFactories& reportViewFactories() {
    static ReportViewFactories factories;
    return factories;
}

} // namespace markwise
