#include "view.h"

#include "document.h"

namespace markwise {

CMarkwiseDoc* CView::GetDocument() const {
    return &m_pDocument->data();
}

} // namespace markwise
