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
