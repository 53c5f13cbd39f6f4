// navora-cli: the program's logic without a window, for scripts and checks.
// It works in a program directory like the desktop program: the working
// directory, or the one given with --dir.

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "app/cli/cli.h"
#include "platform/paths.h"
#include "platform/prompt.h"

namespace {

const char* kHelp =
    "Aufruf: navora-cli [--dir VERZEICHNIS] BEFEHL [ARGUMENTE]\n"
    "\n"
    "Das Programmverzeichnis ist das Arbeitsverzeichnis oder das mit --dir angegebene.\n"
    "\n"
    "Befehle:\n"
    "  settings [DATEI]       alle Felder einer Einstellungsdatei (Vorgabe: VX.ini)\n"
    "  course POS1 POS2       Kurs und Entfernung auf Loxodrome und Großkreis\n"
    "                         (Position: BREITE,LÄNGE in Dezimalgrad, Süd und West negativ,\n"
    "                         oder Positionstext wie in den Dialogen, z. B. \"50 2 N; 8 34 E\")\n"
    "  sun DATUM POS          Sonnenauf- und -untergang (UTC) am DATUM (JJJJ-MM-TT oder TT.MM.JJJJ)\n"
    "                         an POS (wie bei course); Ausgabe: \"Sonnenaufgang: HH:MM:SS UTC\" und\n"
    "                         \"Sonnenuntergang: HH:MM:SS UTC\" je in einer Zeile, oder \"Polartag\" / \"Polarnacht\"\n"
    "  import DATEI.txt [--region NAME]\n"
    "                         Orte aus einer Text-Datei in die aktuelle Region übernehmen,\n"
    "                         oder in NAME.krd (wird angelegt und aktiviert, wenn es sie nicht gibt)\n"
    "  region [NAME]          die Orte einer Region (Vorgabe: die aktuelle), einer je Zeile\n"
    "  find TEXT              Orte der aktiven Regionen mit diesem Namen oder dieser Kennung,\n"
    "                         danach die, deren Name oder Kennung so beginnt\n"
    "  near BREITE,LÄNGE RADIUS_NM\n"
    "                         Orte der aktiven Regionen im Umkreis, die nächsten zuerst\n"
    "  planes                 die Flugzeuge der Flugzeugdatenbank (* = aktuelles Flugzeug)\n"
    "  plane NAME             alle Felder eines Flugzeuges mit ihren Einheiten\n"
    "  planes-make AUSGABE.pln TEXTDATEI...\n"
    "                         eine Flugzeugdatenbank aus Textbeschreibungen (Form von plane)\n"
    "  route new AUSGABE.way ORT1 ORT2 ... [--alt FUSS] [--alternate ORT]...\n"
    "                         eine Flugstrecke aus Orten der aktiven Regionen (Name oder Kennung)\n"
    "  route DATEI.way        Kopf, Wegpunkte, Ausweichflugplätze und Flugplantexte einer Flugstrecke\n"
    "  log DATEI.way [--plane NAME] [--tas KT] [--wind HÖHE=RICHTUNG/STÄRKE]... [--csv] [--pdf DATEI.pdf]\n"
    "      [--fuel [--load sitz1=KG,gepaeck1=KG,tank1=PROZENT|tanks=max]...]\n"
    "                         Flugdurchführungsplan einer Flugstrecke als Text, CSV oder PDF\n"
    "  --help                 diese Übersicht\n";

std::string& invocationDir() {
    static std::string dir;
    return dir;
}

}  // namespace

std::string ArgPath(const std::string& arg) {
    if (arg.empty() || arg[0] == '/') return arg;
    return invocationDir() + arg;
}

void ConsolePrompt::OnShown(const Entry& e) {
    if (e.kind != MessageKind::Question) std::fprintf(stderr, "%s\n", e.text.c_str());
}

int main(int argc, char** argv) {
    Args args(argv + 1, argv + argc);
    invocationDir() = currentDirectory();
    if (args.size() >= 2 && args[0] == "--dir") {
        if (chdir(args[1].c_str()) != 0) {
            std::fprintf(stderr, "Verzeichnis »%s« nicht gefunden.\n", args[1].c_str());
            return 1;
        }
        args.erase(args.begin(), args.begin() + 2);
    }
    setProgramDir(currentDirectory());
    ConsolePrompt prompt;
    PromptScope scope(prompt);

    if (args.empty()) {
        std::fputs(kHelp, stderr);
        return 1;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "--help" || command == "help" || command == "-h") {
        std::fputs(kHelp, stdout);
        return 0;
    }
    static const std::map<std::string, int (*)(const Args&)> commands = {
        {"settings", CmdSettings},
        {"course", CmdCourse},
        {"sun", CmdSun},
        {"planes", CmdPlanes},
        {"plane", CmdPlane},
        {"planes-make", CmdPlanesMake},
        {"import", CmdImport},
        {"region", CmdRegion},
        {"find", CmdFind},
        {"near", CmdNear},
        {"route", CmdRoute},
        {"log", CmdLog},
    };
    const auto it = commands.find(command);
    if (it == commands.end()) {
        std::fprintf(stderr, "Unbekannter Befehl »%s«. navora-cli --help zeigt die Befehle.\n", command.c_str());
        return 1;
    }
    return it->second(args);
}
