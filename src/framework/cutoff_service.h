#pragma once

#include "core/cutoffs.h"
#include "core/message.h"

#include <QObject>
#include <string>

namespace markwise {

class CProfile;

// The current set of grade cutoffs, the one copy every letter grade and distribution
// uses. Owned by the application; views reach it as frameworkDocument().services().cutoffs.
class CutoffService : public QObject {
    Q_OBJECT
public:
    explicit CutoffService(CProfile& profile) : m_profile(profile) {}

    // The set the profile holds.
    void load();
    const CGradeCutoffs& current() const { return m_cutoffs; }
    // Preferences accepted: the new set becomes current, every window is told (changed)
    // and it goes to the profile at once, so no window later writes back an old set.
    // False with the reason in error when the profile could not be written.
    bool apply(const CGradeCutoffs& cutoffs, Message* error = nullptr);
    // A grade sheet closing leaves the current set in the profile, unless a set confirmed
    // there since takes precedence.
    void keep() const;

signals:
    void changed(const CGradeCutoffs& cutoffs);

private:
    CProfile& m_profile;
    CGradeCutoffs m_cutoffs;
};

} // namespace markwise
