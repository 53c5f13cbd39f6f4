#include "platform/string_table.h"

#include <algorithm>
#include <cstdarg>
#include <iterator>

#include "platform/numtext.h"

namespace {

struct StringEntry {
    int id;
    const char* text;
};

// Kept in ascending order of the number.
constexpr StringEntry kStrings[] = {
    // Status bar panes of the main window.
    {300, "Position: "},
    {301, "Elevation: "},
    {302, "Speed: "},
    {1032, "VX.ini"},
    {1033, "VXplanes.pln"},
    {1034, "VXelev.lev"},
    {1035, "VXelev.ela"},
    {1036, "ScanMaps.scm"},
    {1037, "SeaElev.ctb"},
    {1038, "FlightElev.ctb"},
    {1039, "VXmap.ctb"},
    {1500, "Navora kann nicht starten!"},
    {1501, "Möchten Sie Daten von Ihrer letzten Navora-Version übernehmen?"},
    {1502, "Möchten Sie Ihre Höhenprofile (*.bin) in das elev-Verzeichnis der neuen Navora-Version kopieren?"},
    {1504, "Öffnen Sie das Verzeichnis, in dem sich Ihre alte Navora-Version befindet."},
    {1505, "Im ausgewählten Verzeichnis wurde keine Navora Installation gefunden. Möchten Sie ein anderes "
           "Verzeichnis auswählen?"},
    {1506, "Wählen Sie \"Ortsdaten - Berichtigen\", bevor Sie mit Navora arbeiten!"},
    {1507, "Haben Sie mit diesem Update neue Ortsdaten erhalten?"},
    {1530, ">>>   N a v o r a   <<<"},
    {1534, "Ort"},
    {1535, "Freq"},
    {1539, "Var"},
    {1543, "Höhe"},
    {1739, "%2d %2d%c %3d %2d%c"},
    {1740, "%2d %04.1f%c %3d %04.1f%c"},
    {1741, "%02d%02d%c%03d%02d%c"},
    {1751, "Flugstrecke kann nicht eingelesen werden."},
    {1762, "Die Flugstrecke liegt noch im alten Format vor. Wollen Sie die Datei »%s« umwandeln?"},
    {1767, "%s - Navora"},
    {1768, "Datei »%s« wurde verändert. Soll die Änderung gespeichert werden?"},
    {1769, "KeinName"},
    {1770, "Die Sicherheitsmindesthöhe wird über »%s« nicht eingehalten!"},
    {1775, "»%s« ist in der aktuellen Ortsdatenbank nicht eingetragen."},
    {1776, "Unter dieser Bezeichnung ist schon ein Eintrag vorhanden."},
    {1789, "Region »%s« wurde nicht mehr gefunden!"},
    {1790, "Deaktivieren Sie eine Region oder erweitern Sie Ihren Speicher!"},
    {1791, "Im Navora-Verzeichnis wurden keine Ortsdaten (*.krd) gefunden!"},
    {1792, "Daten für »%s« aus der Datenbank verwenden?"},
    {1834, "Ortsdaten: %s"},
    {1835, "Seite %d"},
    {1836, "Datei: %s"},
    {1850, "Die Polargebiete sind nicht darstellbar."},
    {1877, "Keine passende Karte verfübgar!"},
    {1985, "Wählen Sie »Verschiedenes - Flugplan - Voreinstellungen«, wenn Sie den Flugplan wieder automatisch "
           "aufbauen möchten."},
    {1988, "Datei"},
    {1989, "Ansichten"},
    {1990, "GPS"},
    {1991, "Kartensymbole"},
    {1992, "Wegpunkt"},
    {1993, "Gezeichnete Karte"},
    // Aircraft database.
    {2410, "Die Flugzeugdaten liegen noch im alten Format vor. Wollen Sie die Datei »%s« umwandeln?"},
    {2411, "Flugzeugdaten können nicht eingelesen werden."},
    {2412, "Mehr als 19 Flugzeuge sind nicht erlaubt!"},
    {2413, "Fehlt"},
    {2414, "Ersetzt die aktuellen Flugzeugdaten durch die des ausgewählten Flugzeuges."},
    {2415, "Tragen Sie bitte die Schwerpunkt-Grenzwerte für das maximale Abfluggewicht bei »MTOW« "
           "(Max.TakeOffWeight) ein!"},
    {2416, "Der vordere Hebelarm %.2f muß kleiner als der hintere (%.2f) sein!"},
    {2417, "Das Leergewicht %ld darf nicht größer als das Gewicht %ld bei TOW sein!"},
    // Weight and balance, fuel plan, take-off and landing, sun times.
    {2420, "Sie haben die %d. Sitzreihe beladen, aber dafür keinen Hebelarm definiert!"},
    {2421, "Sie haben das %d. Gepäckfach beladen, aber dafür keinen Hebelarm definiert!"},
    {2422, "Sie möchten den %d. Tank nutzen, obwohl dafür kein Hebelarm definiert ist!"},
    {2423, "Unzureichendes Tankvolumen"},
    {2424, "Verfügbare Treibstoffmenge ist zu gering"},
    {2425, "Unzulässige Schwerpunktlage"},
    {2426, "Höhe des Startplatzes fehlt"},
    {2427, "Höhe des Landeplatzes fehlt"},
    {2428, "Startbahn ist zu kurz"},
    {2429, "Landebahn ist zu kurz"},
    {2430, "Die Masse ohne Kraftstoff übersteigt die maximale Abflugmasse"},
    {2431, "Polartag"},
    {2432, "Polarnacht"},
    {57344, "Navora 4.1"},
    // Messages of the document framework.
    {61700, "Die Datei »%s« kann nicht geöffnet werden: Sie ist beschädigt oder hat ein unbekanntes Format."},
    {61701, "Die Datei »%s« kann nicht gespeichert werden. Die bisherige Datei bleibt unverändert."},
};

static_assert(std::is_sorted(std::begin(kStrings), std::end(kStrings),
                             [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; }),
              "string table must be sorted by number");

}  // namespace

const char* LoadStr(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    if (it == std::end(kStrings) || it->id != id) return "";
    return it->text;
}

std::string FormatStr(int id, ...) {
    va_list args;
    va_start(args, id);
    std::string s = strFormatV(LoadStr(id), args);
    va_end(args);
    return s;
}
