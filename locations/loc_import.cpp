// Text import of locations into the region of the location database.

#include <cmath>

#include "core/init_doc.h"
#include "core/position_text.h"
#include "locations/import_reader.h"
#include "locations/loc_doc.h"
#include "locations/quick_find.h"
#include "platform/numtext.h"
#include "platform/prompt.h"
#include "platform/rounding.h"

namespace {

// The known columns, in the order their values are applied.
constexpr const char* kColumns[] = {"COUNTRY", "NAME",   "IDENT",     "TYPE",        "LAT",      "LON",
                                    "ELEV",    "ELEV_IN", "VAR",      "FREQ",        "RWYDIR",   "RWYLEN",
                                    "RWYLEN_IN", "RWYSLOPE", "RWYSLOPE_IN", "SURFACE", "RANGE",  "RANGE_IN"};

enum Column {
    COUNTRY, NAME, IDENT, TYPE, LAT, LON, ELEV, ELEV_IN, VAR, FREQ,
    RWYDIR, RWYLEN, RWYLEN_IN, RWYSLOPE, RWYSLOPE_IN, SURFACE, RANGE, RANGE_IN,
};

// Builds a location from the values of one line. On a value that is no
// number, `error` names it and the location is incomplete.
class LineReader {
public:
    explicit LineReader(CImportReader& reader) : reader_(reader) {}

    CLocation Read(std::string& error) {
        CLocation loc;
        std::string v;
        for (int column = COUNTRY; column <= RANGE_IN; ++column) {
            if (!reader_.NextValue(v)) continue;
            if (!Apply(loc, static_cast<Column>(column), v)) {
                error = strFormat("Der Wert »%s« ist keine gültige Zahl (Spalte: %s)", v.c_str(), kColumns[column]);
                return loc;
            }
        }
        return loc;
    }

private:
    static std::optional<int32_t> wholeNumber(const std::string& v) {
        const auto n = leadingInteger(v);
        if (!n) return std::nullopt;
        return clampTo<int32_t>(*n);
    }

    static void setUnit(const std::string& v, void (CLocation::*set)(int16_t), CLocation& loc) {
        int16_t unit = DIM_UNKNOWN;
        if (ParseUnitCode(v, unit)) (loc.*set)(unit);
    }

    // False when a numeric value holds no number.
    static bool Apply(CLocation& loc, Column column, const std::string& v) {
        switch (column) {
            case COUNTRY: loc.SetCountry(v); return true;
            case NAME: loc.SetName(v, false); return true;
            case IDENT: loc.SetIdent(v, false); return true;
            case TYPE:
                if (const int type = ParseTypeCodeName(v)) loc.SetType(type);
                return true;
            case LAT:
            case LON: {
                // Text that reads as no position leaves the coordinate unset,
                // which the check then refuses for its column.
                if (const auto p = ReadPositionText(v)) (column == LAT ? loc.m_dLat : loc.m_dLon) = *p;
                return true;
            }
            case VAR: {
                // No readable variation gives one out of range, which the
                // check refuses with its own message.
                const auto p = ReadPositionText(v);
                loc.SetVariation(p ? clampTo<int32_t>(truncateToLong(*p)) : INT32_MAX);
                return true;
            }
            case FREQ: {
                std::string text = v;
                for (char& c : text) {
                    if (c == ',') c = '.';
                }
                const auto f = leadingDouble(text);
                if (!f || !std::isfinite(*f)) return false;
                loc.SetFrequency(*f);
                return true;
            }
            case ELEV_IN: setUnit(v, &CLocation::SetElevationUnit, loc); return true;
            case RWYLEN_IN: setUnit(v, &CLocation::SetRunwayUnit, loc); return true;
            case RWYSLOPE_IN: setUnit(v, &CLocation::SetSlopeUnit, loc); return true;
            case RANGE_IN: setUnit(v, &CLocation::SetRangeUnit, loc); return true;
            default: break;
        }
        const auto n = wholeNumber(v);
        if (!n) return false;
        switch (column) {
            case ELEV: loc.SetElevation(*n); break;
            case RWYDIR: loc.SetDirectionOrRange(*n); break;
            case RWYLEN: loc.SetRunwayLength(*n); break;
            case RWYSLOPE: loc.SetHeightDifference(*n); break;
            case SURFACE: loc.SetUnpaved(*n == 0); break;
            case RANGE:
                if (!loc.IsLandingSite()) loc.SetDirectionOrRange(*n);
                break;
            default: break;
        }
        return true;
    }

    CImportReader& reader_;
};

// Runway numbers 1..36 as the direction code that shows that runway:
// 18 and 36 are "18/36" (0), 19..35 the reciprocal of 1..17.
int runwayCodeOf(int runway) {
    if (runway == 18 || runway == 36) return 0;
    if (runway > 18) return runway - 18;
    return runway;
}

void show(const std::string& text) { thePrompt().Message(text, MessageKind::Information); }

}  // namespace

ImportResult CLocDoc::ImportFile(const std::string& path) {
    ImportResult result;
    CImportReader reader;
    for (const char* column : kColumns) reader.RegisterColumn(column);
    if (!reader.Open(path)) {
        show("Das Importieren wurde abgebrochen!");
        result.aborted = true;
        return result;
    }
    // The import works on a copy: a refused line leaves the region as it was.
    CLocLists lists = m_Lists;
    bool error = false;
    LineReader lineReader(reader);
    while (reader.NextLine(error)) {
        std::string valueError;
        CLocation loc = lineReader.Read(valueError);
        const LocationCheck check = valueError.empty() ? loc.CheckForImport() : LocationCheck{false, valueError};
        if (!check) {
            show(check.message);
            show(strFormat("In Zeile %d wurden unzulässige Parameter gefunden!", reader.LineNumber()));
            error = true;
            break;
        }
        if (loc.IsLandingSite()) loc.SetDirectionOrRange(runwayCodeOf(loc.DirectionOrRange()));
        if (lists.AddOrReplace(loc)) {
            ++result.replaced;
        } else {
            ++result.added;
        }
    }
    if (error) {
        show("Das Importieren wurde abgebrochen!");
        result = ImportResult{};
        result.aborted = true;
        return result;
    }
    if (result.added + result.replaced > 0) {
        CLocLists previous = std::move(m_Lists);
        m_Lists = std::move(lists);
        SetModifiedFlag(true);
        if (!Save(GetPathName(), false)) {
            m_Lists = std::move(previous);
            SetModifiedFlag(false);
            result = ImportResult{};
            result.aborted = true;
            return result;
        }
    }
    show("Das Importieren wurde erfolgreich abgeschlossen!");
    result.completed = true;
    return result;
}

void CLocDoc::ImportCommand() {
    const std::string question =
        strFormat("Möchten Sie Orte aus einer Text-Datei in die Region »%s« aufnehmen?", GetRegionName().c_str());
    if (thePrompt().AskYesNo(question) != Answer::Yes) return;
    const auto path = thePrompt().ChooseOpenFile("Importieren", GetRegionDir(), {"Import (*.txt)", "*.txt"});
    if (!path || path->empty()) return;
    const ImportResult result = ImportFile(*path);
    if (result.completed && result.added + result.replaced > 0 && m_pIndex) m_pIndex->RebuildIndex();
    if (theInitDoc()) theInitDoc()->SetRegionPath(GetPathName());
}
