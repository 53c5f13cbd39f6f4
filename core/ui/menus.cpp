#include "core/ui/menus.h"

#include <algorithm>
#include <map>

namespace {

constexpr bool kCheck = true;

// clang-format off
const std::vector<CommandText> kCommands = {
    // ---- framework commands: files, printing, editing, bars, program
    {57600, "&Neu\tStrg+N", "Erstellt eine neue, leere Flugstrecke.\nNeu", "Ctrl+N", false},
    {57601, "&Öffnen...\tStrg+O", "Öffnet eine vorhandene Flugstrecke.\nÖffnen", "Ctrl+O", false},
    {57603, "&Speichern\tStrg+S", "Speichert die aktive Flugstrecke.\nSpeichern", "Ctrl+S", false},
    {57604, "Speichern &unter...", "Speichert die aktive Flugstrecke unter einem neuen Namen.\nSpeichern unter", nullptr, false},
    {57606, "Drucker&einrichtung...", "Ändert den Drucker und die Druckeinstellungen.\nDruckereinrichtung", nullptr, false},
    {57607, "&Drucken...\tStrg+P", "Druckt die aktive Ansicht.\nDrucken", "Ctrl+P", false},
    {57609, "Seiten&ansicht", "Zeigt die Seiten so, wie sie gedruckt werden.\nSeitenansicht", nullptr, false},
    {57616, "", "Öffnet diese Flugstrecke.", nullptr, false},
    {57617, "", "Öffnet diese Flugstrecke.", nullptr, false},
    {57618, "", "Öffnet diese Flugstrecke.", nullptr, false},
    {57619, "", "Öffnet diese Flugstrecke.", nullptr, false},
    {57634, "&Kopieren\tStrg+C", "Kopiert die aktive Ansicht als Bild in die Zwischenablage.\nKopieren", "Ctrl+C", false},
    {57664, "Inf&o über Navora...", "Zeigt Programminformationen und die Versionsnummer an.\nInfo über Navora", nullptr, false},
    {57665, "&Beenden", "Beendet Navora; geänderte Flugstrecken können vorher gespeichert werden.\nBeenden", nullptr, false},
    {59392, "&Datei", "Blendet die Symbolleiste »Datei« ein oder aus.\nSymbolleiste Datei", nullptr, kCheck},
    {59393, "S&tatusleiste", "Blendet die Statusleiste ein oder aus.\nStatusleiste", nullptr, kCheck},

    // ---- route
    {32771, "&Bearbeiten... \tStrg+F", "Bearbeitet die Wegpunkte der Flugstrecke.\nFlugstrecke bearbeiten", "Ctrl+F", false},
    {32772, "&Lesen aus GPS...", "Liest eine Flugstrecke aus dem GPS.\nLesen aus GPS", nullptr, false},
    {32773, "&Schreiben ins GPS...", "Überträgt die Flugstrecke ins GPS.\nSchreiben ins GPS", nullptr, false},
    {32774, "&Track lesen aus GPS", "Liest die aufgezeichnete Strecke aus dem GPS.\nTrack lesen aus GPS", nullptr, false},
    {32775, "Exportieren für &GCAS...", "Speichert die Flugstrecke als XML-Datei für GCAS.\nExportieren für GCAS", nullptr, false},
    {32776, "Exportieren als &KML...", "Speichert die Flugstrecke als KML-Datei.\nExportieren als KML", nullptr, false},

    // ---- track
    {32777, "&Neu", "Beginnt eine neue, leere Aufzeichnung.\nNeue Aufzeichnung", nullptr, false},
    {32778, "&Öffnen...", "Öffnet eine gespeicherte Aufzeichnung.\nAufzeichnung öffnen", nullptr, false},
    {32779, "&Speichern unter...", "Speichert die Aufzeichnung unter einem neuen Namen.\nAufzeichnung speichern", nullptr, false},
    {32780, "&Exportieren als KML...", "Speichert die Aufzeichnung als KML-Datei.\nAufzeichnung als KML", nullptr, false},
    {32781, "&Moving Map\tStrg+M", "Startet oder beendet die Moving Map.\nMoving Map", "Ctrl+M", kCheck},
    {32782, "&Flugschreiber...\tStrg+A", "Zeichnet den Flug mit einem NMEA-Empfänger auf.\nFlugschreiber", "Ctrl+A", false},
    {32783, "&Voreinstellungen...", "Ändert die Einstellungen der Moving Map.\nMoving Map - Voreinstellungen", nullptr, false},

    // ---- aircraft and load
    {32790, "Be&ladung...", "Gibt die Beladung des Flugzeuges ein.\nBeladung", nullptr, false},
    {32791, "&Bearbeiten...", "Bearbeitet die Flugzeugdatenbank.\nFlugzeugdatenbank", nullptr, false},

    // ---- route computation switches and presets
    {32792, "Rück&flug", "Ordnet die Wegpunkte der Flugstrecke in umgekehrter Reihenfolge an.\nRückflug", nullptr, kCheck},
    {32793, "&Höhenänderung", "Berechnet Ende des Steigfluges und Beginn des Sinkfluges.\nHöhenänderung", nullptr, kCheck},
    {32794, "&Sichere Flughöhen", "Korrigiert die Reiseflughöhen in Abhängigkeit vom überflogenen Höhenprofil.\nSichere Flughöhen", nullptr, kCheck},
    {32795, "Halb&kreis (VFR)", "Korrigiert die Reiseflughöhen in Abhängigkeit vom mißweisendem Kurs über Grund.\nHalbkreisflughöhen (VFR)", nullptr, kCheck},
    {32796, "&Großkreis", "Berechnet Wegpunkte für die kürzeste Flugstrecke über weite Entfernungen.\nGroßkreis", nullptr, kCheck},
    {32797, "&Wegpunkte", "Erweitert die Flugstrecke durch Wegpunkte über Funknavigationsanlagen.\nAuto-Routing", nullptr, kCheck},
    {32798, "&Voreinstellungen...", "Ändert die Schwellwerte für die Berechnung der Flugstrecke.\nBerechnen - Voreinstellungen", nullptr, false},

    // ---- locations, terrain and airspace
    {32828, "&Bearbeiten...", "Bearbeitet die Orte der aktuellen Region.\nOrtsdatenbank", nullptr, false},
    {32829, "Heimat&flugplatz...", "Wählt den Heimatflugplatz aus.\nHeimatflugplatz", nullptr, false},
    {32830, "&Aktivieren...", "Wählt die Regionen aus, deren Orte benutzt werden.\nRegionen aktivieren", nullptr, false},
    {32831, "&Importieren...", "Importiert neue Ortsdaten aus einer Text-Datei.\nOrtsdaten importieren", nullptr, false},
    {32832, "Be&richtigen...", "Übernimmt einen neuen Datenbestand und behält die eigenen Orte.\nOrtsdaten berichtigen", nullptr, false},
    {32833, "&Zusammenführen...", "Kopiert Orte aus einer neuen Datenbank in die aktuelle Region.\nZusammenführen", nullptr, false},
    {32834, "&Höhenprofil (ICAO)...", "Bearbeitet die Gebiete der Mindesthöhen im ICAO-Raster.\nHöhenprofil (ICAO)", nullptr, false},
    {32835, "Höhen&profil (1 km)...", "Bearbeitet die Höhenprofile im 1-km-Raster.\nHöhenprofil (1 km)", nullptr, false},
    {32836, "&Luftraum...", "Bearbeitet die Lufträume einer Region.\nLuftraum", nullptr, false},
    {32837, "Lesen aus GPS...", "Kopiert Wegpunkte aus dem GPS in die aktuelle Region.\nOrte aus dem GPS", nullptr, false},
    {32838, "Schreiben ins GPS...", "Kopiert Wegpunkte der aktuellen Region ins GPS.\nOrte ins GPS", nullptr, false},

    // ---- views
    {32880, "Kurs + &Zeit", "Zeigt den Flugdurchführungsplan mit Entfernungs-, Kurs und Zeitangaben.\nKurs + Zeit", nullptr, false},
    {32881, "&Zeichnung", "Zeigt die Flugstrecke auf der gezeichneten Karte.\nKarte - Zeichnung", nullptr, false},
    {32882, "&Bild", "Zeigt die Flugstrecke auf einer eingelesenen Karte.\nKarte - Bild", nullptr, false},
    {32883, "Höhen&profil", "Zeigt das Höhenprofil der Flugstrecke.\nHöhenprofil", nullptr, false},
    {32884, "&Verbrauch", "Zeigt Beladung, Treibstoffbedarf, Start- und Landestrecken und Sonnenzeiten.\nVerbrauch", nullptr, false},
    {32885, "Flug&plan", "Zeigt das ICAO-Flugplanformular.\nFlugplan", nullptr, false},
    {32886, "&Wegdaten", "Zeigt die geografischen Daten der Flugstrecke.\nWegdaten", nullptr, false},
    {32887, "&Flugzeug", "Zeigt die Daten des aktuellen Flugzeuges.\nFlugzeug", nullptr, false},
    {32888, "&Ortsliste", "Zeigt die Liste der Ortsdaten.\nOrtsliste", nullptr, false},
    {32889, "&Zeichnung", "Zeigt die zurückgelegte Strecke auf der gezeichneten Karte.\nZurückgelegte Strecke - Zeichnung", nullptr, false},
    {32890, "&Bild", "Zeigt die zurückgelegte Strecke auf einer eingelesenen Karte.\nZurückgelegte Strecke - Bild", nullptr, false},
    {32891, "&Höhe", "Zeigt den Höhenverlauf der zurückgelegten Strecke.\nHöhe", nullptr, false},
    {32892, "&Geschwindigkeit", "Zeigt den Geschwindigkeitsverlauf der zurückgelegten Strecke.\nGeschwindigkeit", nullptr, false},
    {32893, "Schriften...", "Wechselt Schriftart und Schriftgröße.\nSchriften", nullptr, false},
    {32894, "Einheiten...", "Legt die bevorzugten Einheiten fest.\nEinheiten", nullptr, false},
    {32895, "Farben...", "Ändert die Farben der Karten und Höhenprofile.\nFarben", nullptr, false},
    {32896, "&Ansichten", "Blendet die Symbolleiste »Ansichten« ein oder aus.\nSymbolleiste Ansichten", nullptr, kCheck},
    {32897, "&GPS", "Blendet die Symbolleiste »GPS« ein oder aus.\nSymbolleiste GPS", nullptr, kCheck},
    {32898, "&Kartensymbole", "Blendet die Symbolleiste »Kartensymbole« ein oder aus.\nSymbolleiste Kartensymbole", nullptr, kCheck},
    {32899, "&Wegpunkt", "Blendet die Symbolleiste »Wegpunkt« ein oder aus.\nSymbolleiste Wegpunkt", nullptr, kCheck},
    {32900, "Gezeichnete &Karte", "Blendet die Symbolleiste »Gezeichnete Karte« ein oder aus.\nSymbolleiste Gezeichnete Karte", nullptr, kCheck},

    // ---- miscellaneous
    {32920, "&Wetter...", "Gibt Temperatur, Luftdruck, Pistenzustand und Höhenwinde ein.\nWetter", nullptr, false},
    {32921, "&Anhang...", "Erweitert den Flugdurchführungsplan durch eine Zusammenfassung wichtiger Ergebnisse.\nAnhang", nullptr, false},
    {32922, "&Flugplan...", "Bearbeitet die Angaben des Flugplanformulares.\nFlugplan bearbeiten", nullptr, false},
    {32923, "&Kartenverwaltung...", "Verwaltet und kalibriert die eingelesenen Karten.\nKartenverwaltung", nullptr, false},
    {32924, "&Rechner...", "Rechnet physikalische Parameter in verschiedene Einheiten um.\nRechner", nullptr, false},
    {32925, "&GPS Auswahl...", "Wählt das GPS und die Schnittstelle aus.\nGPS Auswahl", nullptr, false},

    // ---- drawn map
    {32940, "Ganze Region", "Zeigt die ganze Region.\nGanze Region", nullptr, false},
    {32941, "Ganze Flugstrecke", "Zeigt die ganze Flugstrecke.\nGanze Flugstrecke", nullptr, false},
    {32942, "Höhenrelief speichern...", "Speichert das Höhenrelief der Karte als Bild.\nHöhenrelief speichern", nullptr, false},
    {32943, "Zentrieren", "Zentriert die Karte auf den angeklickten Punkt.\nZentrieren", nullptr, false},
    {32944, "Vergrößern", "Vergrößert die Karte.\nVergrößern", nullptr, false},
    {32945, "Verkleinern", "Verkleinert die Karte.\nVerkleinern", nullptr, false},
    {32946, "Flugplätze", "Zeigt oder verbirgt die Flugplätze.\nFlugplätze", nullptr, kCheck},
    {32947, "Meldepunkte", "Zeigt oder verbirgt die Meldepunkte.\nMeldepunkte", nullptr, kCheck},
    {32948, "Kreuzungen", "Zeigt oder verbirgt die Kreuzungen.\nKreuzungen", nullptr, kCheck},
    {32949, "NDBs", "Zeigt oder verbirgt die NDBs.\nNDBs", nullptr, kCheck},
    {32950, "VORs", "Zeigt oder verbirgt die VORs.\nVORs", nullptr, kCheck},
    {32951, "Freie Punkte", "Zeigt oder verbirgt die freien Punkte.\nFreie Punkte", nullptr, kCheck},
    {32952, "Segelflugplatz", "Zeigt oder verbirgt die Segelflugplätze.\nSegelflugplatz", nullptr, kCheck},
    {32953, "Heli-Port", "Zeigt oder verbirgt die Hubschrauberlandeplätze.\nHeli-Port", nullptr, kCheck},
    {32954, "Etikett", "Zeigt oder verbirgt die Namen an den Wegpunkten und Lufträumen.\nEtikett", nullptr, kCheck},
    {32955, "Karten", "Zeigt oder verbirgt die Rahmen der eingelesenen Karten.\nKarten", nullptr, kCheck},
    {32956, "Max. Höhe ü. NN.", "Zeigt oder verbirgt die höchsten Erhebungen der Gebiete.\nMax. Höhe ü. NN.", nullptr, kCheck},
    {32957, "Luftraum", "Zeigt oder verbirgt die Lufträume.\nLuftraum", nullptr, kCheck},
    {33300, "Zentrieren bei Mausklick", "Der nächste Mausklick in die Karte wird ihr Mittelpunkt.\nZentrieren bei Mausklick", nullptr, false},
    {33301, "Vergrößern", "Vergrößert die Karte.\nVergrößern", nullptr, false},
    {33302, "Verkleinern", "Verkleinert die Karte.\nVerkleinern", nullptr, false},

    // ---- toolbar-only commands of the main window
    {33304, "Gezeichnete Karte", "Zeigt die Strecke auf der gezeichneten Karte.\nGezeichnete Karte", nullptr, kCheck},
    {33305, "Eingelesene Karte", "Zeigt die Strecke auf einer eingelesenen Karte.\nEingelesene Karte", nullptr, kCheck},
    {33306, "Signalisiert Speichern", "Schaltet den Signalton nach jedem Speichern ein oder aus.\nSignalisiert Speichern", nullptr, kCheck},
    {33307, "Näher zum Startplatz", "Macht den Wegpunkt vor dem aktiven zum aktiven Wegpunkt.\nNäher zum Startplatz", nullptr, false},
    {33308, "Näher zum Landeplatz", "Macht den Wegpunkt nach dem aktiven zum aktiven Wegpunkt.\nNäher zum Landeplatz", nullptr, false},
};
// clang-format on

MenuItem cmd(int id) {
    return MenuItem{MenuItem::Kind::Command, id, nullptr, {}};
}
MenuItem sep() {
    return MenuItem{MenuItem::Kind::Separator, 0, nullptr, {}};
}
MenuItem sub(const char* text, std::vector<MenuItem> children) {
    return MenuItem{MenuItem::Kind::SubMenu, 0, text, std::move(children)};
}
MenuItem special(MenuItem::Kind kind) {
    return MenuItem{kind, 0, nullptr, {}};
}

std::vector<MenuItem> buildMenuBar() {
    return {
        sub("&Datei", {cmd(57600), cmd(57601), cmd(57603), cmd(57604), sep(), cmd(57607), cmd(57609),
                       cmd(57606), sep(), special(MenuItem::Kind::RecentFiles), sep(), cmd(57665)}),
        sub("&Bearbeiten", {cmd(57634)}),
        sub("&Ansicht",
            {cmd(32880), sub("Karte", {cmd(32881), cmd(32882)}), cmd(32883), cmd(32884), cmd(32885),
             cmd(32886), cmd(32887), sub("Zurückgelegte &Strecke", {cmd(32889), cmd(32890)}), cmd(32891),
             cmd(32892), sep(),
             sub("&Symbolleisten", {cmd(59392), cmd(32896), cmd(32897), cmd(32898), cmd(32899), cmd(32900)}),
             cmd(59393), sep(), cmd(32893), cmd(32894), cmd(32895)}),
        sub("Flug&strecke", {cmd(32771),
                             sub("Be&rechnen", {cmd(32792), cmd(32793), cmd(32794), cmd(32795), cmd(32796),
                                                cmd(32797), sep(), cmd(32798)}),
                             sep(), cmd(32772), cmd(32773), sep(), cmd(32776), cmd(32775)}),
        sub("&Flugzeuge", {cmd(32791), cmd(32790), sep(), special(MenuItem::Kind::Aircraft)}),
        sub("&Ortsdaten", {cmd(32828), cmd(32830), cmd(32829), sep(), cmd(32831), cmd(32832), cmd(32833),
                           sep(), cmd(32837), cmd(32838), sep(), cmd(32834), cmd(32835), cmd(32836)}),
        sub("&Aufzeichnung", {cmd(32777), cmd(32778), cmd(32779), cmd(32774), cmd(32780), sep(), cmd(32781),
                              cmd(32782), cmd(32783)}),
        sub("&Verschiedenes",
            {cmd(32920), cmd(32921), cmd(32922), cmd(32923), cmd(32924), sep(), cmd(32925)}),
        sub("&?", {cmd(57664)}),
    };
}

}  // namespace

const std::vector<CommandText>& AllCommandTexts() {
    return kCommands;
}

const CommandText* FindCommandText(int id) {
    static const std::map<int, const CommandText*> index = [] {
        std::map<int, const CommandText*> m;
        for (const CommandText& c : kCommands) m[c.id] = &c;
        return m;
    }();
    if (id >= kFirstAircraftCommand && id < kFirstAircraftCommand + kMaxAircraftItems) {
        static const CommandText aircraft{
            kFirstAircraftCommand, "",
            "Ersetzt die aktuellen Flugzeugdaten durch die des ausgewählten Flugzeuges.", nullptr, true};
        return &aircraft;
    }
    const auto it = index.find(id);
    return it == index.end() ? nullptr : it->second;
}

std::string FlyByText(int id) {
    const CommandText* c = FindCommandText(id);
    if (!c) return {};
    const std::string prompt = c->prompt;
    return prompt.substr(0, prompt.find('\n'));
}

std::string ToolTipText(int id) {
    const CommandText* c = FindCommandText(id);
    if (!c) return {};
    const std::string prompt = c->prompt;
    const size_t nl = prompt.find('\n');
    if (nl != std::string::npos) return prompt.substr(nl + 1);
    std::string text = c->menuText;
    text = text.substr(0, text.find('\t'));
    std::erase(text, '&');
    while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
    return text;
}

const std::vector<MenuItem>& MainMenuBar() {
    static const std::vector<MenuItem> menu = buildMenuBar();
    return menu;
}

const std::vector<ToolBarInfo>& ToolBars() {
    static const std::vector<ToolBarInfo> bars = {
        {1988,
         140,
         59392,
         59392,
         false,
         {57600, 57601, 57603, 0, 57634, 0, 57607, 57609, 0, 33306, 0, 57664}},
        {1989,
         147,
         148,
         32896,
         false,
         {32880, 33304, 33305, 32883, 32884, 32885, 32886, 32887, 32888, 0, 32891, 32892}},
        {1990, 149, 150, 32897, false, {32925, 32772, 32773, 32774, 0, 32781, 32782}},
        {1991,
         151,
         152,
         32898,
         true,
         {32946, 32947, 32948, 32949, 32950, 32951, 32952, 32953, 0, 32954, 32955, 32956, 32957}},
        {1992, 153, 154, 32899, false, {33307, 33308}},
        {1993, 155, 156, 32900, false, {32940, 32941, 0, 33300, 33301, 33302}},
    };
    return bars;
}
