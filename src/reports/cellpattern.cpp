#include "reports/cellpattern.h"

QString CellPattern::spread(const QString &chars) const
{
    QString line(lead, QLatin1Char(' '));
    for (qsizetype i = 0; i < chars.size(); ++i) {
        if (i > 0 && !gaps.empty()) {
            const size_t gap = std::min(static_cast<size_t>(i - 1), gaps.size() - 1);
            line += QString(gaps[gap], QLatin1Char(' '));
        }
        line += chars.at(i);
    }
    line += QString(trail, QLatin1Char(' '));
    return line;
}

namespace cellpatterns {
const CellPattern rkRegistration5436{1, {4, 3, 3, 3, 4, 4, 4, 3, 3, 3}, 2};
const CellPattern rkRegistration5517{1, {4, 4, 4, 4, 4, 4, 4, 3, 3, 3}, 2};
const CellPattern rkRegistration7210{2, {3, 4, 3, 4, 3, 4, 3, 3, 4, 3}, 2};
const CellPattern rkOrganisationCode{1, {4, 4, 3, 4, 3, 4, 3, 4, 3}, 2};
const CellPattern rkMonthYear{1, {4, 4, 4, 3}, 2};
const CellPattern rkReportKind{1, {4}, 2};
const CellPattern rkRubric{0, {4, 3, 3, 3, 3, 3, 3}, 1};

const CellPattern okRegistration{0, {4, 4, 4, 4, 3, 3, 3, 4, 4, 4}, 2};
const CellPattern okOrganisationCode{1, {4, 4, 3, 4, 3, 4, 3, 4, 3}, 2};
const CellPattern okMonthYear{1, {3, 4, 4, 4}, 1};
const CellPattern okRubric{0, {3, 3, 3, 3, 3, 3, 3}, 1};

const CellPattern okdRegistration{0, {4, 4, 4, 4, 3, 3, 3, 4, 4, 4}, 2};
const CellPattern okdOrganisationCode{0, {4, 4, 3, 3, 3, 4, 3}, 2};
const CellPattern okdSpeciality{1, {3, 4, 4, 4, 3, 4, 3}, 5};
const CellPattern okdDefenceDate{1, {3, 4, 4, 4, 3, 4, 3}, 2};
const CellPattern okdRubric{0, {3, 3, 3, 3, 3, 3, 3}, 1};
} // namespace cellpatterns
