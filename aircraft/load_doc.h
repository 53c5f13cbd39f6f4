#pragma once
// The current load: masses in the seat rows and baggage compartments and the
// fill of the three tanks. Stored in the settings file.

#include <array>
#include <cstdint>

#include "core/units.h"
#include "platform/document.h"

class CArchive;

// Numbers of the string-table texts of weight and balance and the fuel
// plan (platform/string_table.cpp).
enum LoadStrings : int {
    kStrSeatArmMissing = 2420,      // "Sie haben die %d. Sitzreihe beladen, ..."
    kStrBaggageArmMissing = 2421,   // "Sie haben das %d. Gepäckfach beladen, ..."
    kStrTankArmMissing = 2422,      // "Sie möchten den %d. Tank nutzen, ..."
    kStrWarnTankVolume = 2423,      // "Unzureichendes Tankvolumen"
    kStrWarnFuel = 2424,            // "Verfügbare Treibstoffmenge ist zu gering"
    kStrWarnCg = 2425,              // "Unzulässige Schwerpunktlage"
    kStrWarnDepartureElevation = 2426,    // "Höhe des Startplatzes fehlt"
    kStrWarnDestinationElevation = 2427,  // "Höhe des Landeplatzes fehlt"
    kStrWarnTakeOffRunway = 2428,   // "Startbahn ist zu kurz"
    kStrWarnLandingRunway = 2429,   // "Landebahn ist zu kurz"
    kStrWarnZeroFuelMass = 2430,    // the load alone is above the maximum take-off mass
    kStrPolarDay = 2431,            // "Polartag"
    kStrPolarNight = 2432,          // "Polarnacht"
};

// The values of a load without the document around them, for dialogs that
// work on a copy.
struct LoadValues {
    int16_t massUnit = DIM_KG;
    std::array<int16_t, 5> seat{150, 0, 0, 0, 0};
    std::array<int16_t, 5> baggage{5, 0, 0, 0, 0};
    std::array<float, 3> fill{NOVALUE_FILL, NOVALUE_FILL, NOVALUE_FILL};

    // "Maximal": all three fills are not given.
    bool IsMaximal() const;
    bool operator==(const LoadValues&) const = default;
};

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

    LoadValues GetValues() const;
    void SetValues(const LoadValues& values);
    // "Maximal": all three fills are not given (-1).
    bool IsMaximal() const;
};

CLoadDoc* theLoadDoc();
void SetLoadDoc(CLoadDoc* doc);
