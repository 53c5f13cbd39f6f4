#pragma once
// The current load: masses in the seat rows and baggage compartments and the
// fill of the three tanks. Stored in the settings file.

#include <array>
#include <cstdint>

#include "core/units.h"
#include "platform/document.h"

class CArchive;

class CLoadDoc : public CDocument {
public:
    int16_t m_nMassUnit = DIM_KG;
    std::array<int16_t, 5> m_nSeat{150, 0, 0, 0, 0};     // -1 = not given
    std::array<int16_t, 5> m_nBaggage{5, 0, 0, 0, 0};    // -1 = not given
    std::array<float, 3> m_fFill{NOVALUE_FILL, NOVALUE_FILL, NOVALUE_FILL};  // fraction; -1 in all = "Maximal"

    // Mass unit, five seat and five baggage masses as int16, then the three
    // fills as whole percent (int16). Percentages are rounded half up when
    // stored, so a fill read from the file is written back unchanged.
    void Serialize(CArchive& ar);
};

CLoadDoc* theLoadDoc();
void SetLoadDoc(CLoadDoc* doc);
