#pragma once
// The contents of the fuel sheet ("Verbrauch"): weight and balance, fuel per
// tank, the fuel plan, take-off and landing at every aerodrome of the route
// with the sun times, the flight costs and the warnings, as lines of text
// in sections. The view draws the sections (each on a new printed page when
// it no longer fits) and navora-cli prints them as plain text.
//
// Every value is shown in the user's preferred units. Nothing here draws or
// asks the user anything.

#include <string>
#include <vector>

class CWayDoc;
class CPlane;
class CMetDoc;
class CLoadDoc;

enum class FuelLineKind {
    Text,      // a line of text at the left margin
    Title,     // a section title, bold
    Subtitle,  // a heading inside a section, bold
    Row,       // a label and figures right-aligned in the columns of its table
    Scale,     // the centre-of-gravity scale (FuelSheet::scale)
};

// The tables whose rows share their columns.
enum FuelTable { kNoTable = 0, kLoadTable = 1, kFuelTable = 2, kCostTable = 3 };

struct FuelLine {
    FuelLineKind kind = FuelLineKind::Text;
    int table = kNoTable;            // rows only
    std::vector<std::string> cells;  // the text, or a row's label and figures
    bool bold = false;               // column heads
};

struct FuelSection {
    std::vector<FuelLine> lines;
};

// The permitted CG range at the take-off mass and where the CG lies, in the
// preferred arm unit.
struct FuelScale {
    bool shown = false;  // limits known and apart
    double forward = 0;
    double aft = 0;
    double cg = 0;
    bool permitted = true;
    std::string minText;  // "Min: %.2f %s"
    std::string maxText;  // "Max: %.2f %s"
    // Where a value falls on a scale that runs a quarter of the range
    // beyond each limit: 0 at its left end, 1 at its right end, clamped.
    double Position(double value) const;
};

struct FuelSheet {
    std::string fileLine;  // "Datei: %s   Flugzeug: %s"
    std::string dateLine;  // "Datum: %02d.%02d.%04d"
    std::vector<FuelSection> sections;
    FuelScale scale;
};

// Runs the route computation for the aircraft with the weather, the load
// and the settings in use (units, presets) and lays out the sheet. Without
// an aircraft the sheet has only its header lines. The route's modified
// flag is left as it was.
FuelSheet BuildFuelSheet(CWayDoc& route, const CPlane* plane, const CMetDoc& weather, const CLoadDoc& load);

// The sheet as plain text: rows in aligned columns, the scale as a bar of
// characters.
std::vector<std::string> FuelSheetText(const FuelSheet& sheet);

// "Datei: %s   Flugzeug: %s" and "Datum: %02d.%02d.%04d" of the first line
// of the flight log and the fuel sheet; "Fehlt" without an aircraft.
std::string ViewFileLine(const CWayDoc* route, const CPlane* plane);
std::string ViewDateLine();
