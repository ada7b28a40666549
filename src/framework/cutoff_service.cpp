#include "cutoff_service.h"

#include "core/profile.h"

namespace markwise {

void CutoffService::load() {
    m_cutoffs = m_profile.ReadCutoffs();
}

bool CutoffService::apply(const CGradeCutoffs& cutoffs, Message* error) {
    m_cutoffs = cutoffs;
    emit changed(m_cutoffs);
    return m_profile.WriteCutoffs(cutoffs, CProfile::Write::Confirmed, error);
}

void CutoffService::keep() const {
    m_profile.WriteCutoffs(m_cutoffs, CProfile::Write::Automatic);
}

} // namespace markwise
