#include "core/ui/context_help.h"

#include <algorithm>
#include <iterator>

namespace {

struct HelpEntry {
    std::string_view key;
    const char* text;
};

// Kept sorted by key.
constexpr HelpEntry kHelp[] = {
    {"calc.approach",
     "Zeitzuschlag in Minuten für An- und Abflug, den die Treibstoffberechnung zur Flugzeit addiert."},
    {"calc.autoroute",
     "Ab dieser Länge eines Flugabschnitts nimmt das AutoRouting Funknavigationsanlagen als Wegpunkte in die "
     "Flugstrecke auf. Erlaubt sind 10 bis 100 NM, umgerechnet in die gewählte Einheit."},
    {"calc.cruise",
     "Die bevorzugte Reiseflughöhe. Das AutoRouting gibt eingefügten Funknavigationsanlagen mindestens diese "
     "Höhe."},
    {"calc.date",
     "Das Datum des Flugs (Tag, Monat, Jahr) für die Zeiten von Sonnenaufgang und Sonnenuntergang und für "
     "den "
     "Kopf des Flugdurchführungsplans. Erlaubt sind gültige Daten der Jahre 1990 bis 2099."},
    {"calc.defaults",
     "Setzt das Datum sofort auf heute und alle anderen Felder des Dialogs auf ihre Grundeinstellung. Diese "
     "gelten erst, wenn Sie mit »OK« bestätigen."},
    {"calc.detour",
     "Wie weit das AutoRouting für eine Funknavigationsanlage von der direkten Linie abweichen darf: Groß, "
     "Mittel oder Klein."},
    {"calc.greatcircle",
     "Ab dieser Länge eines Flugabschnitts werden Wegpunkte entlang des Großkreises eingefügt. Erlaubt sind "
     "250 bis 5000 NM, umgerechnet in die gewählte Einheit."},
    {"calc.reserve", "Reservezeit in Minuten, für die zusätzlich Treibstoff eingeplant wird."},
    {"calc.semicircle",
     "Ab dieser Flughöhe werden die Höhen der Flugabschnitte an die Halbkreisflughöhen angepasst. Erlaubt "
     "sind "
     "500 bis 5000 ft, umgerechnet in die gewählte Einheit."},
    {"calc.taxi", "Zeitzuschlag in Minuten für das Rollen am Boden."},
    {"calc.toc",
     "Ab diesem Höhenunterschied zwischen zwei Wegpunkten werden Wegpunkte für das Ende des Steigflugs und "
     "den "
     "Beginn des Sinkflugs eingefügt. Erlaubt sind 500 bis 10000 ft, umgerechnet in die gewählte Einheit."},
    {"calc.unit", "Die Einheit, in der Sie den Wert links daneben eingeben."},
    {"calculator.density",
     "Die Dichte des Treibstoffs in kg pro Liter, für die Umrechnung zwischen Volumen und Masse. Öl hat 0,9, "
     "Avgas 0,72; unter »Sonstiges« geben Sie einen Wert größer als 0 und bis 20 ein."},
    {"calculator.done", "Schließt den Rechner."},
    {"calculator.given",
     "Die nächste Einheiten-Taste nennt die Einheit des gegebenen Werts. Danach bleiben nur die Tasten "
     "wählbar, in die sich der Wert umrechnen lässt."},
    {"calculator.result", "Der umgerechnete Wert in der gesuchten Einheit."},
    {"calculator.sought",
     "Jede weitere Einheiten-Taste rechnet den gegebenen Wert in diese Einheit um und zeigt das Ergebnis."},
    {"calculator.units",
     "Einheiten-Tasten: zuerst die Einheit des gegebenen Werts, nach »Für den gesuchten Wert« die gesuchte "
     "Einheit."},
    {"calculator.value", "Der Wert, der umgerechnet werden soll."},
    {"dialog.cancel", "Schließt den Dialog, ohne etwas zu ändern."},
    {"dialog.ok", "Prüft die Eingaben und übernimmt sie."},
    {"met.copy", "Übernimmt Temperatur, QNH, Einheiten und »Feucht« des Startplatzes für den Landeplatz."},
    {"met.departure.qnh",
     "Der Luftdruck am Startplatz, auf Meereshöhe reduziert (QNH). Erlaubt sind 920 bis 1060 hPa, "
     "umgerechnet in die gewählte Einheit; in InHg mit zwei Nachkommastellen."},
    {"met.departure.temperature",
     "Die Lufttemperatur am Startplatz. Erlaubt sind -70 bis 70 °C, umgerechnet in die gewählte Einheit."},
    {"met.departure.wet", "Die Startbahn ist feucht; die Startstrecke wird länger."},
    {"met.destination.qnh",
     "Der Luftdruck am Landeplatz, auf Meereshöhe reduziert (QNH). Erlaubt sind 920 bis 1060 hPa, "
     "umgerechnet in die gewählte Einheit; in InHg mit zwei Nachkommastellen."},
    {"met.destination.temperature",
     "Die Lufttemperatur am Landeplatz. Erlaubt sind -70 bis 70 °C, umgerechnet in die gewählte Einheit."},
    {"met.destination.wet", "Die Landebahn ist feucht; die Landestrecke wird länger."},
    {"met.direction", "Die Richtung, aus der der Wind in dieser Höhe weht, in ganzen Grad von 0 bis 360."},
    {"met.speed",
     "Die Windgeschwindigkeit in dieser Höhe. Erlaubt sind 0 bis 99 kt, umgerechnet in die gewählte "
     "Einheit."},
    {"met.unit", "Die Einheit, in der Sie den Wert links daneben eingeben."},
    {"met.windunit", "Die Einheit der vier Windgeschwindigkeiten."},
    {"plane.add",
     "Nimmt die angezeigten Daten als neues Flugzeug in die Liste auf. Der Name muss sich von allen anderen "
     "unterscheiden."},
    {"plane.arms", "Bearbeitet die Hebelarme der Sitzreihen und Gepäckabteile des angezeigten Flugzeugs."},
    {"plane.cancel", "Schließt die Flugzeugdatenbank und verwirft alle Änderungen."},
    {"plane.cgaft",
     "Der hintere Grenzwert der Schwerpunktlage bei diesem Gewicht. Erlaubt sind -5 bis 10 m, umgerechnet in "
     "die gewählte Einheit; er darf nicht vor dem vorderen liegen."},
    {"plane.cgarmunit", "Die Einheit der Hebelarme der Schwerpunkt-Grenzwerte und des Leermoments."},
    {"plane.cgforward",
     "Der vordere Grenzwert der Schwerpunktlage bei diesem Gewicht. Erlaubt sind -5 bis 10 m, umgerechnet in "
     "die gewählte Einheit."},
    {"plane.cgmass",
     "Das Gewicht, für das die Grenzwerte gelten: bei MTOW das höchste Abfluggewicht, bei TOW das niedrigste "
     "Gewicht mit Grenzwerten. Erlaubt sind 100 bis 15000 kg."},
    {"plane.cgmassunit", "Die Einheit der Gewichte der Schwerpunkt-Grenzwerte und des Leergewichts."},
    {"plane.change", "Speichert die angezeigten Daten in das ausgewählte Flugzeug."},
    {"plane.cost", "Die Betriebskosten pro Flugstunde, 0 bis 30000; 0 heißt: keine Kostenrechnung."},
    {"plane.done", "Übernimmt die geänderte Liste und speichert die Flugzeugdatenbank nach einer Rückfrage."},
    {"plane.emptymass",
     "Das Leergewicht mit nicht ausfliegbarem Kraftstoff und Öl. Erlaubt sind 100 bis 15000 kg; es darf "
     "nicht über dem Gewicht bei TOW liegen."},
    {"plane.emptymoment",
     "Das Moment des leeren Flugzeugs mit nicht ausfliegbarem Kraftstoff und Öl, in Hebelarm-Einheit mal "
     "Gewichts-Einheit. Erlaubt sind 100 bis 15000 mkg."},
    {"plane.flightplan", "Bearbeitet die Angaben des angezeigten Flugzeugs für den Flugplan."},
    {"plane.flow",
     "Der Treibstoffverbrauch pro Stunde in dieser Flugphase. Erlaubt sind 0 bis 2000 Liter, umgerechnet in "
     "die gewählte Einheit."},
    {"plane.list",
     "Die Flugzeuge der Datenbank. Wenn Sie ein anderes wählen, werden Ihre Änderungen am angezeigten zuerst "
     "gespeichert."},
    {"plane.name", "Der Name des Flugzeugs, höchstens 11 Zeichen; so erscheint es im Menü »Flugzeuge«."},
    {"plane.rate",
     "Die Steig- bzw. Sinkrate (beim Sinken negativ). Erlaubt sind -10000 bis 10000 ft/min, umgerechnet in "
     "die gewählte Einheit."},
    {"plane.remove", "Löscht das ausgewählte Flugzeug aus der Liste."},
    {"plane.runway", "Bearbeitet die Start- und Landestrecken des angezeigten Flugzeugs."},
    {"plane.speed",
     "Die wahre Fluggeschwindigkeit in dieser Flugphase. Erlaubt sind 5 bis 1000 kt, umgerechnet in die "
     "gewählte Einheit."},
    {"plane.tanks", "Bearbeitet Volumen und Hebelarme der Treibstoffbehälter des angezeigten Flugzeugs."},
    {"plane.unit", "Die Einheit der Werte in der Spalte darunter."},
    {"planefpl.equipment",
     "Die Ausrüstung für Feld 10 des Flugplans, höchstens 6 Zeichen, und hinter »/« die "
     "Transponder-Ausrüstung."},
    {"planefpl.ident", "Die Kennung des Luftfahrzeugs für Feld 7 des Flugplans, höchstens 7 Zeichen."},
    {"planefpl.markings", "Farbe und Markierung des Luftfahrzeugs für Feld 19, höchstens 127 Zeichen."},
    {"planefpl.radio", "Die Notfunkfrequenzen und das Notsignalgerät (ELBA), die an Bord sind."},
    {"planefpl.transponder", "Die Transponder-Ausrüstung (SSR): N, 0, 2, 4 oder C."},
    {"planefpl.type", "Das Muster des Luftfahrzeugs für Feld 9 des Flugplans, höchstens 4 Zeichen."},
    {"planerwy.maxmass",
     "Das höchste Gewicht der Tabelle, für das die Strecken daneben gelten. Erlaubt sind 100 bis 15000 kg."},
    {"planerwy.minmass",
     "Ein niedrigeres Gewicht mit seinen Strecken, wahlweise; dazwischen wird interpoliert. Erlaubt sind 100 "
     "bis 15000 kg."},
    {"planerwy.obstacle",
     "Die Strecke bis zum Überfliegen eines 15 m hohen Hindernisses, auf Meereshöhe in der "
     "Standardatmosphäre. Erlaubt sind 50 bis 5000 m; beim höchsten Gewicht ist sie nötig."},
    {"planerwy.roll",
     "Die Rollstrecke auf Meereshöhe in der Standardatmosphäre, wahlweise. Erlaubt sind 50 bis 5000 m (die "
     "Landerollstrecke beim niedrigen Gewicht ab 5 m)."},
    {"planerwy.unit", "Die Einheit der Gewichte bzw. Strecken in den Tabellen."},
    {"units.altitude", "Einheit für Höhen, Geländehöhen und Flughöhen."},
    {"units.arm", "Einheit für die Hebelarme der Schwerpunktberechnung."},
    {"units.distance", "Einheit für die Längen der Flugabschnitte und der Flugstrecke."},
    {"units.fuel", "Einheit für Treibstoffmengen."},
    {"units.mass", "Einheit für Massen (Leermasse, Zuladung, Abflugmasse)."},
    {"units.position",
     "Schreibweise von Breiten- und Längengraden: Grad, Minuten und Sekunden oder Grad und Dezimalminuten."},
    {"units.pressure", "Einheit für den Luftdruck."},
    {"units.runway", "Einheit für Bahnlängen sowie Start- und Landestrecken."},
    {"units.temperature", "Einheit für Temperaturen."},
    {"units.wind", "Einheit für Windgeschwindigkeiten."},
};

static_assert(std::is_sorted(std::begin(kHelp), std::end(kHelp),
                             [](const HelpEntry& a, const HelpEntry& b) { return a.key < b.key; }),
              "help keys must stay sorted");

}  // namespace

const char* ContextHelp(std::string_view key) {
    const auto it = std::lower_bound(std::begin(kHelp), std::end(kHelp), key,
                                     [](const HelpEntry& e, std::string_view k) { return e.key < k; });
    return it != std::end(kHelp) && it->key == key ? it->text : "";
}
