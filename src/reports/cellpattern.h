#pragma once

#include <QString>

#include <initializer_list>
#include <vector>

// How a code is printed into a row of boxed character cells: its characters
// stand apart by runs of blanks that fit the boxes of the form.
struct CellPattern
{
    int lead = 0;          // blanks before the first character
    std::vector<int> gaps; // blanks before the second, third, ... character
    int trail = 0;         // blanks after the last character

    // The printed line for `chars`. A value shorter than the row uses the
    // first gaps only; characters beyond the row keep the last gap, so that
    // nothing of the value is lost.
    QString spread(const QString &chars) const;
    // Number of cells of the full row.
    int cellCount() const { return static_cast<int>(gaps.size()) + 1; }
};

// The cell rows of the printed forms. Code rows of 8 or 10 digits use the
// first seven gaps for 8 digits.
namespace cellpatterns {
// RK: registration numbers 5436, 5517 and 7210, codes 2457 and customers,
// month-year terms, report kind, rubric codes 5616.
extern const CellPattern rkRegistration5436;
extern const CellPattern rkRegistration5517;
extern const CellPattern rkRegistration7210;
extern const CellPattern rkOrganisationCode;
extern const CellPattern rkMonthYear;
extern const CellPattern rkReportKind;
extern const CellPattern rkRubric;
// OK: registration numbers 5436, 5437 and 7210, codes 2457 and 2459,
// stage month-years, rubric codes.
extern const CellPattern okRegistration;
extern const CellPattern okOrganisationCode;
extern const CellPattern okMonthYear;
extern const CellPattern okRubric;
// OKD: registration number 5438, organisation codes, speciality 6444, date
// of defence 7434, rubric codes.
extern const CellPattern okdRegistration;
extern const CellPattern okdOrganisationCode;
extern const CellPattern okdSpeciality;
extern const CellPattern okdDefenceDate;
extern const CellPattern okdRubric;
} // namespace cellpatterns
