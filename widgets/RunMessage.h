#pragma once
// Why a run was refused or stopped, in the user's language, with the
// numbers it was given.

#include "core/Solve.h"

#include <QCoreApplication>
#include <QString>

namespace rk {

class RunMessage {
    Q_DECLARE_TR_FUNCTIONS(RunMessage)
public:
    // `report` is of a run of `values` that did not complete.
    static QString of(const RunReport& report, const FormValues& values);
};

} // namespace rk
