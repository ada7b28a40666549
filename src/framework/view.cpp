#include "view.h"

#include "document.h"

namespace markwise {

const CMarkwiseDoc* CView::GetDocument() const {
    return &m_pDocument->data();
}

} // namespace markwise
