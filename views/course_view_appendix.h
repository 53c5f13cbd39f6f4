#pragma once
// The summary that may follow the flight log: the winds aloft, the fuel of
// the trip and the reserve, the sunset at the destination and up to three
// texts of the user. What it contains is chosen in the appendix settings.

#include <array>
#include <string>
#include <vector>

class CAppendixDoc;
class CMetDoc;
struct CRouteResults;
struct CourseUnits;

struct CourseAppendix {
    bool winds = false;
    bool fuel = false;
    bool sunset = false;
    std::vector<std::string> texts;  // the user texts that are on

    // With winds: the four layer winds ("%03d/%2d" in the wind unit) and
    // the unit text "[Grad/kt]".
    std::array<std::string, 4> windValues;
    std::string windUnitText;
    // "Treibstoffverbrauch [l]  Flug: ...  Reserve: ...  Gesamt: ..."
    std::string fuelLine;
    // "Sonnenuntergang in ...: hh:mm:ss UTC", "Polarnacht in ..." or "Polartag in ..."
    std::string sunsetLine;

    // The lines the appendix takes, with its closing rules.
    int NeededLines() const;
};

// The labels of the wind layers ("1500 ft" ...) and the title before them.
inline constexpr const char* kAppendixWindTitle = "Höhenwinde in:";
inline constexpr std::array<const char*, 4> kAppendixWindLabels{"1500 ft", "3000 ft", "5000 ft", "10000 ft"};
// The unit text of the winds, filled with the wind unit.
inline constexpr const char* kAppendixWindUnit = "[Grad/%s]";

// The appendix for the settings, from the results of a complete run of the
// route computation and the weather.
CourseAppendix BuildCourseAppendix(const CAppendixDoc& settings, const CRouteResults& results,
                                   const CMetDoc& weather, const CourseUnits& units,
                                   const std::string& destinationName);
