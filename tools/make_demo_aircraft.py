#!/usr/bin/env python3
"""Builds the demo aircraft database (demo/VXplanes.pln) from the aircraft
data of Debian's flightgear-data-base package.

Usage:
    tools/make_demo_aircraft.py FGDATA_DIR [--text-dir DIR] [--cli NAVORA_CLI] [--output FILE]
    tools/make_demo_aircraft.py --from-text [--text-dir DIR] [--cli NAVORA_CLI] [--output FILE]

FGDATA_DIR is the FlightGear data folder as extracted from the package
(usr/share/games/flightgear, or any folder above it). The script reads each
figure it uses from the files named below, writes one text description per
aircraft into the text folder (default demo/src/aircraft), each figure with
a comment naming its source, and then lets the program's own code turn the
descriptions into the database: `navora-cli planes-make`. With --from-text
only that last step runs, on the committed descriptions.

A field for which the data set has no figure is left out of the description,
so the record keeps its "not given" value (see demo/src/aircraft/README.md).
The same input always gives byte-identical output. Only the Python standard
library is used.
"""

import argparse
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

AIRCRAFT = ["C172P", "C172P-180", "PA-28"]  # database order


def find_root(path):
    """The FlightGear data folder at or below `path`."""
    for candidate in (path, os.path.join(path, "usr/share/games/flightgear")):
        if os.path.isdir(os.path.join(candidate, "Aircraft", "c172p")):
            return candidate
    sys.exit(f"{path}: no FlightGear data folder with Aircraft/c172p found")


class Source:
    """Reads figures out of the data set and remembers where each came from."""

    def __init__(self, root):
        self.root = root
        self.trees = {}
        self.texts = {}

    def path(self, rel):
        return os.path.join(self.root, rel)

    def text(self, rel):
        if rel not in self.texts:
            with open(self.path(rel), encoding="utf-8") as f:
                self.texts[rel] = f.read()
        return self.texts[rel]

    def tree(self, rel):
        if rel not in self.trees:
            self.trees[rel] = ET.parse(self.path(rel)).getroot()
        return self.trees[rel]

    def number(self, rel, xpath):
        node = self.tree(rel).find(xpath)
        if node is None or node.text is None:
            sys.exit(f"{rel}: {xpath} not found")
        return float(node.text.strip())

    def match(self, rel, pattern):
        m = re.search(pattern, self.text(rel))
        if not m:
            sys.exit(f"{rel}: no text matching {pattern!r}")
        return m


C172P = "Aircraft/c172p/c172p.xml"
C172P_MAIN = "Aircraft/c172p/c172p-main.xml"
C172P_HELP = "Aircraft/c172p/c172-help.xml"
C172P_DIALOG = "Aircraft/c172p/gui/dialogs/aircraft-dialog.xml"
C172P_TAKEOFF = "Aircraft/c172p/Tutorials/takeoff.xml"
PERFORMANCE = "AI/Aircraft/performancedb.xml"


def pointmass_x(src, name):
    for pm in src.tree(C172P).findall("mass_balance/pointmass"):
        if pm.get("name") == name:
            return float(pm.find("location/x").text)
    sys.exit(f"{C172P}: pointmass {name} not found")


def performance(src, ident):
    """The AI performance figures of an aircraft name, with the entries they came from."""
    db = src.tree(PERFORMANCE).find("performancedb")
    kind = ident
    for alias in db.findall("alias"):
        if ident in [m.text for m in alias.findall("match")]:
            kind = alias.findtext("alias")
    entries = {a.findtext("type"): a for a in db.findall("aircraft")}
    figures = {}
    entry = entries[kind]
    chain = []
    while entry is not None:
        chain.append(entry.findtext("type"))
        for child in entry:
            if child.tag not in ("type", "base"):
                figures.setdefault(child.tag, (float(child.text), entry.findtext("type")))
        base = entry.findtext("base")
        entry = entries.get(base) if base else None
    return figures


def cg_envelope(src):
    entries = src.tree(C172P_MAIN).findall("limits/mass-and-balance/cg/limit/entry")
    return [(float(e.findtext("mass-lbs")), float(e.findtext("position"))) for e in entries]


def forward_limit(envelope, mass):
    """The forward edge of the envelope (the lower positions) at a mass, read linearly."""
    points = sorted({(m, p) for m, p in envelope if p < max(q for _, q in envelope)})
    for (m0, p0), (m1, p1) in zip(points, points[1:]):
        if m0 <= mass <= m1:
            return p0 if m1 == m0 else p0 + (p1 - p0) * (mass - m0) / (m1 - m0)
    sys.exit(f"mass {mass} lies outside the forward edge of the envelope")


def fmt(value):
    return f"{value:g}"


class Description:
    def __init__(self, name, title):
        self.name = name
        self.lines = [f"# {name}: {title}",
                      "# Written by tools/make_demo_aircraft.py from Debian's flightgear-data-base",
                      "# (GPL-2.0-or-later); fields that are not named here are not given."]
        self.add("name", name)

    def add(self, key, value, unit="", source=None):
        if source:
            self.lines.append(f"# {source}")
        text = value if isinstance(value, str) else fmt(value)
        self.lines.append(f"{key}: {text}" + (f" {unit}" if unit else ""))

    def write(self, folder):
        path = os.path.join(folder, self.name + ".txt")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(self.lines) + "\n")
        return path


def c172p(src, name, title, hp, tanks):
    d = Description(name, title)
    d.add("speed_unit", "DIM_NM")
    d.add("climb_unit", "DIM_FEET")
    d.add("fuel_unit", "DIM_USGAL")

    perf = performance(src, "c172")
    cruise, cruise_from = perf["cruise-speed-kts"]
    d.add("cruise_speed", cruise, "kt", f"{PERFORMANCE}: cruise-speed-kts of entry {cruise_from} (matches c172)")
    climb = float(src.match(C172P_HELP, r"Climbout:[^<]*?(\d+) KIAS").group(1))
    d.add("climb_speed", climb, "kt", f"{C172P_HELP}: \"Climbout: no flaps, full throttle, {fmt(climb)} KIAS\"")
    rate = float(src.match(C172P_TAKEOFF, r"climb at (\d+) feet per minute").group(1))
    d.add("climb_rate", rate, "ft/min", f"{C172P_TAKEOFF}: \"climb at {fmt(rate)} feet per minute\"")
    descent, descent_from = perf["descent-speed-kts"]
    d.add("descent_speed", descent, "kt",
          f"{PERFORMANCE}: descent-speed-kts of entry {descent_from} (base of the entry matching c172)")
    sink, sink_from = perf["descent-rate-fpm"]
    d.add("descent_rate", -sink, "ft/min",
          f"{PERFORMANCE}: descent-rate-fpm of entry {sink_from} (base of the entry matching c172), "
          "as a negative rate")

    d.add("table_mass_unit", "DIM_POUNDS")
    d.add("table_length_unit", "DIM_FEET")
    mb = f"limits/mass-and-balance-{hp}hp"
    mtow = src.number(C172P_MAIN, f"{mb}/maximum-takeoff-mass-lbs")
    mlw = src.number(C172P_MAIN, f"{mb}/maximum-landing-mass-lbs")
    d.add("takeoff_mass_max", mtow, "lbs", f"{C172P_MAIN}: {mb}/maximum-takeoff-mass-lbs")
    d.add("landing_mass_max", mlw, "lbs", f"{C172P_MAIN}: {mb}/maximum-landing-mass-lbs")

    d.add("load_arm_unit", "DIM_INCH")
    d.add("seat_rows", "2")
    d.add("seat_arm_1", pointmass_x(src, "Pilot"), "Inch", f"{C172P}: pointmass Pilot (and Co-Pilot), location x")
    d.add("seat_arm_2", pointmass_x(src, "Left Passenger"), "Inch",
          f"{C172P}: pointmass Left Passenger (and Right Passenger), location x")
    d.add("baggage_compartments", "1")
    d.add("baggage_arm_1", pointmass_x(src, "Baggage"), "Inch", f"{C172P}: pointmass Baggage, location x")

    d.add("tank_volume_unit", "DIM_USGAL")
    d.add("tank_arm_unit", "DIM_INCH")
    d.add("tanks", "2")
    label, first = tanks
    total = float(src.match(C172P_DIALOG, rf"{label} \((\d+) gal\)").group(1))
    tank_nodes = src.tree(C172P).findall("propulsion/tank")
    for i in (1, 2):
        n = first + i - 1
        unusable_xpath = f"consumables/fuel/tank[@n='{n}']/unusable-gal_us"
        unusable = src.number(C172P_MAIN, unusable_xpath)
        arm = float(tank_nodes[n].find("location/x").text)
        d.add(f"tank_usable_{i}", total / 2 - unusable, "US Gall.",
              f"{C172P_DIALOG}: \"{label} ({fmt(total)} gal)\" for both wing tanks, half each, "
              f"less the unusable fuel")
        d.add(f"tank_unusable_{i}", unusable, "US Gall.", f"{C172P_MAIN}: {unusable_xpath}")
        d.add(f"tank_arm_{i}", arm, "Inch", f"{C172P}: propulsion/tank[{n}] location x")

    d.add("cg_mass_unit", "DIM_POUNDS")
    d.add("cg_arm_unit", "DIM_INCH")
    if hp == 160:
        m = src.match(C172P, r"\*\*Basic Empty\*\* \(= with full oil\) (\d+) lbs, (\d+) lb-ins")
        where = f"{C172P}: comment \"Basic Empty (= with full oil) {m.group(1)} lbs, {m.group(2)} lb-ins\""
    else:
        m = src.match(C172P, r"Weight and moment tabulation: (\d+) lbs, (\d+) lb-ins")
        where = f"{C172P}: comment of the 180 hp extra weight, \"{m.group(1)} lbs, {m.group(2)} lb-ins\""
    d.add("empty_mass", float(m.group(1)), "lbs", where)
    d.add("empty_moment", float(m.group(2)), "Inchlbs", where)

    envelope = cg_envelope(src)
    aft = max(p for _, p in envelope)
    # The row at TOW is the corner of the envelope where the forward limit
    # starts to move back: below it the limits stay as they are there.
    tow = max(m for m, p in envelope if p == min(q for _, q in envelope))
    d.add("cg_rows", "2")
    cg = f"{C172P_MAIN}: limits/mass-and-balance/cg (envelope in inches)"
    d.add("cg_mass_mtow", mtow, "lbs", f"MTOW as above; {cg}")
    d.add("cg_mass_tow", tow, "lbs", f"{cg}: corner of the forward edge")
    d.add("cg_forward_mtow", round(forward_limit(envelope, mtow), 2), "Inch",
          f"{cg}: forward edge read linearly at {fmt(mtow)} lbs")
    d.add("cg_forward_tow", forward_limit(envelope, tow), "Inch", f"{cg}: forward edge at {fmt(tow)} lbs")
    d.add("cg_aft_mtow", aft, "Inch", f"{cg}: aft edge")
    d.add("cg_aft_tow", aft, "Inch", f"{cg}: aft edge")
    demo_figures(d, hp)
    return d


# The data set gives no fuel flows, runway distances or costs. So that the
# demo shows a whole fuel plan, these are round figures typical of such an
# aircraft, marked as such in the description: illustration only.
DEMO_FIGURES = {
    160: (("climb_fuel_flow", 10, "US Gall./h"), ("cruise_fuel_flow", 8, "US Gall./h"),
          ("descent_fuel_flow", 6, "US Gall./h"), ("takeoff_roll_max", 900, "ft"),
          ("takeoff_obstacle_max", 1600, "ft"), ("landing_roll_max", 550, "ft"),
          ("landing_obstacle_max", 1300, "ft"), ("cost", 180, "/h")),
    180: (("climb_fuel_flow", 12, "US Gall./h"), ("cruise_fuel_flow", 9.5, "US Gall./h"),
          ("descent_fuel_flow", 7, "US Gall./h"), ("takeoff_roll_max", 950, "ft"),
          ("takeoff_obstacle_max", 1700, "ft"), ("landing_roll_max", 600, "ft"),
          ("landing_obstacle_max", 1350, "ft"), ("cost", 200, "/h")),
}


def demo_figures(d, hp):
    for key, value, unit in DEMO_FIGURES[hp]:
        d.add(key, value, unit, "demo figure, not from the data set: a round value typical of the type")


def pa28(src):
    d = Description("PA-28", "Piper PA-28 (speeds of the AI traffic data only)")
    d.add("speed_unit", "DIM_NM")
    d.add("climb_unit", "DIM_FEET")
    perf = performance(src, "pa28")
    for key, field, unit, sign in (("climb-speed-kts", "climb_speed", "kt", 1),
                                   ("cruise-speed-kts", "cruise_speed", "kt", 1),
                                   ("climb-rate-fpm", "climb_rate", "ft/min", 1),
                                   ("descent-speed-kts", "descent_speed", "kt", 1),
                                   ("descent-rate-fpm", "descent_rate", "ft/min", -1)):
        value, entry = perf[key]
        d.add(field, sign * value, unit, f"{PERFORMANCE}: {key} of entry {entry} (CN1 matches pa28; its base is light)"
              + (", as a negative rate" if sign < 0 else ""))
    return d


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("fgdata", nargs="?")
    parser.add_argument("--from-text", action="store_true")
    parser.add_argument("--text-dir", default="demo/src/aircraft")
    parser.add_argument("--cli", default="build/navora-cli")
    parser.add_argument("--output", default="demo/VXplanes.pln")
    args = parser.parse_args()

    if not args.from_text:
        if not args.fgdata:
            parser.error("FGDATA_DIR is needed unless --from-text is given")
        src = Source(find_root(args.fgdata))
        os.makedirs(args.text_dir, exist_ok=True)
        for d in (c172p(src, "C172P", "Cessna 172P Skyhawk, 160 hp, standard tanks", 160, ("Default", 0)),
                  c172p(src, "C172P-180", "Cessna 172P with the 180 hp engine and integral tanks", 180,
                        ("Integral", 2)),
                  pa28(src)):
            print("wrote", d.write(args.text_dir))

    texts = [os.path.join(args.text_dir, name + ".txt") for name in AIRCRAFT]
    subprocess.run([args.cli, "planes-make", args.output] + texts, check=True)
    print("wrote", args.output)


if __name__ == "__main__":
    main()
