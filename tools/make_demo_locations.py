#!/usr/bin/env python3
"""Builds the demo location import files (demo/src/<Region>.txt) from the
airport, navaid and fix data of Debian's flightgear-data-base package.

Usage:
    tools/make_demo_locations.py SOURCE_DIR OUTPUT_DIR [--encoding utf-8|cp1252]

SOURCE_DIR holds apt.dat.gz, nav.dat.gz and fix.dat.gz, directly or in
subfolders (as extracted from the package: Airports/, Navaids/). The script
writes one import file per region into OUTPUT_DIR and prints what it wrote
and what it left out. It uses only the Python standard library, and the same
input always gives byte-identical output.

What comes from where (see demo/src/README.md for the full account):
  - airports, gliding sites, heliports: apt.dat header rows (1, 17), land
    runways (100), helipads (102) and radio frequencies (50-56, 1050-1056);
  - VORs (row 3) and NDBs (row 2): nav.dat, including the VOR's variation;
  - intersections: fix.dat, thinned to one fix per grid cell;
  - variation of everything that is not a VOR: the median of the three
    nearest VORs of the data set;
  - region of navaids and fixes: the country of the nearest airports; a
    point near a border where they disagree is left out.
"""

import argparse
import gzip
import math
import os
import sys
from collections import Counter, defaultdict
from dataclasses import dataclass, field

# Columns of the import file, in the order they are written. The last column
# always carries a value, so a line never ends in an empty piece.
COLUMNS = ["TYPE", "COUNTRY", "IDENT", "NAME", "LAT", "LON", "ELEV", "ELEV_IN",
           "VAR", "FREQ", "RWYDIR", "RWYLEN", "RWYLEN_IN", "RWYSLOPE_IN",
           "SURFACE", "RANGE", "RANGE_IN"]
DELIMITER = ";"

# Limits of the import check, in the units written here.
NAME_MAX = 17
IDENT_MAX = 5
FREQ_MIN, FREQ_MAX = 108.0, 1750.0      # MHz for VHF, kHz for NDB
ELEV_MIN, ELEV_MAX = -5000, 10000       # ft
RWY_MIN, RWY_MAX = 100, 5000            # m
RANGE_MAX = 255                         # NM

EARTH_RADIUS_M = 6371008.8              # mean Earth radius


@dataclass
class Region:
    name: str                 # file title of the import file and region
    prefixes: tuple           # ICAO prefixes of the region's airports
    country: str              # country prefix written for every location
    box: tuple                # lat_min, lat_max, lon_min, lon_max
    fix_cell: float           # grid cell (degrees of latitude) for fixes


REGIONS = [
    Region("Germany", ("ED", "ET"), "ED", (47.2, 55.1, 5.8, 15.1), 0.6),
    Region("Switzerland", ("LS",), "LS", (45.8, 47.85, 5.9, 10.5), 0.3),
    Region("Austria", ("LO",), "LO", (46.3, 49.05, 9.5, 17.2), 0.4),
]

# apt.dat runway surface codes: paved, unpaved; others (water, transparent)
# leave the surface unstated.
PAVED_SURFACES = {1, 2}
UNPAVED_SURFACES = {3, 4, 5, 12, 14}
WATER_SURFACE = 13

# Words of frequency names in apt.dat.
TOWER_WORDS = {"TWR", "TOWER", "INFOTOWER"}
INFO_WORDS = {"INFO", "INF", "INFORMATION", "AFIS", "RDO", "RADIO"}
UNICOM_WORDS = {"CTAF", "UNICOM", "GLD", "START"}
OTHER_SERVICE_WORDS = {"RADAR", "CNTR", "CENTER", "CONTROL", "APP", "APPROACH",
                       "ARR", "DEP", "DIR", "DIRECTOR", "CON", "DEL", "CLNC",
                       "GND", "GROUND", "ATIS", "AWOS", "ASOS", "EMERGENCY",
                       "APRON", "MILITARY"}
NOISE_WORDS = {"UNNAMED", "ENTITY", "FLUGPLATZ", "AUXILIARY", "INSTRUCTED",
               "BY", "ATC"}

# Name suffixes of nav.dat that repeat the navaid type.
NAVAID_SUFFIXES = ("VOR-DME", "VORTAC", "VOR", "NDB-DME", "NDB", "LOM", "DME")

# Words kept in capitals, and small words kept in lower case, when an
# all-capitals name is written in mixed case.
KEEP_CAPS = {"AAF", "AB", "AFB", "AHP"}
SMALL_WORDS = {"am", "an", "auf", "bei", "dem", "den", "der", "die", "im",
               "in", "ob", "und", "von", "zum", "zur", "la", "le", "les", "de",
               "du", "sur", "see"}
GLIDER_WORDS = ("glider field", "gliding site", "gliders", "glider",
                "segelfluggelaende", "segelfluggelände", "segelflug")


# ---------------------------------------------------------------- geometry

def distance_m(lat1, lon1, lat2, lon2):
    """Great-circle distance on a sphere (haversine), in metres."""
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dp = p2 - p1
    dl = math.radians(lon2 - lon1)
    a = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return 2 * EARTH_RADIUS_M * math.asin(min(1.0, math.sqrt(a)))


class PointGrid:
    """Points in 1-degree buckets, for nearest-neighbour look-ups."""

    def __init__(self, points):
        self.buckets = defaultdict(list)
        for p in points:
            self.buckets[(math.floor(p[0]), math.floor(p[1]))].append(p)

    def nearest(self, lat, lon, count=1, max_ring=6):
        """The `count` nearest points as (distance, point), nearest first."""
        ci, cj = math.floor(lat), math.floor(lon)
        found = []
        for ring in range(max_ring + 1):
            for i in range(ci - ring, ci + ring + 1):
                for j in range(cj - ring, cj + ring + 1):
                    if max(abs(i - ci), abs(j - cj)) != ring:
                        continue
                    for p in self.buckets.get((i, j), ()):
                        found.append((distance_m(lat, lon, p[0], p[1]), p))
            # Every point beyond this ring is at least `ring` degrees of
            # latitude (or a shrunken degree of longitude) away.
            if len(found) >= count and ring >= 1:
                found.sort(key=lambda t: t[0])
                limit = ring * 111000 * math.cos(math.radians(min(abs(lat) + ring, 89)))
                if found[count - 1][0] <= limit:
                    return found[:count]
        found.sort(key=lambda t: t[0])
        return found[:count]


# ---------------------------------------------------------------- reading

def find_source(folder, name):
    for root, _dirs, files in os.walk(folder):
        if name in files:
            return os.path.join(root, name)
    sys.exit(f"{name} not found below {folder}")


def read_rows(path):
    """Yields the data rows of a gzipped X-Plane data file as lists of words:
    everything after the two header lines (the "I" or "A" line and the
    version line with its copyright text) and before the end row "99".
    Text is UTF-8; a line that is not (a few names are in Latin-1) is read
    as Windows-1252."""
    with gzip.open(path, "rb") as f:
        f.readline()
        f.readline()
        for raw in f:
            try:
                text = raw.decode("utf-8")
            except UnicodeDecodeError:
                text = raw.decode("cp1252", errors="replace")
            words = text.split()
            if not words:
                continue
            if words[0] == "99":
                return
            yield words


def file_version(path):
    with gzip.open(path, "rb") as f:
        f.readline()
        return f.readline().decode("latin-1").strip()


@dataclass
class Airport:
    code: int                       # 1 land airport, 16 seaplane base, 17 heliport
    elevation_ft: int
    ident: str
    name: str
    runways: list = field(default_factory=list)    # (number1, lat1, lon1, number2, lat2, lon2, surface)
    helipads: list = field(default_factory=list)   # (lat, lon)
    frequencies: list = field(default_factory=list)  # (row code, kHz, name)


def frequency_khz(code, value):
    """Frequency of an apt.dat frequency row in kHz. Rows 50-56 give MHz x 100,
    which cannot hold the last digit of a 25 kHz channel (121.725 MHz is
    written 12172 or 12173); such values are put back on the 25 kHz raster
    when they lie within 5 kHz of it. Rows 1050-1056 give kHz."""
    if code >= 1050:
        return int(value)
    khz = int(value) * 10
    channel = int(math.floor(khz / 25.0 + 0.5)) * 25
    return channel if abs(channel - khz) <= 5 else khz


def check_version(path, versions):
    version = file_version(path)
    if not version.split()[:1] or version.split()[0] not in versions:
        sys.exit(f"{path}: unsupported file version: {version[:40]}")


def read_airports(path):
    # The header, runway, helipad and frequency rows read here are the same
    # in all these versions.
    check_version(path, ("850", "1000", "1050", "1100", "1130", "1200"))
    airports = []
    current = None
    for w in read_rows(path):
        code = w[0]
        if code in ("1", "16", "17") and len(w) >= 5:
            current = Airport(int(code), int(float(w[1])), w[4], " ".join(w[5:]))
            airports.append(current)
        elif current is None:
            continue
        elif code == "100" and len(w) >= 20:
            current.runways.append((w[8], float(w[9]), float(w[10]),
                                    w[17], float(w[18]), float(w[19]), int(float(w[2]))))
        elif code == "102" and len(w) >= 4:
            current.helipads.append((float(w[2]), float(w[3])))
        elif code in ("50", "51", "52", "53", "54", "55", "56",
                      "1050", "1051", "1052", "1053", "1054", "1055", "1056") and len(w) >= 2:
            current.frequencies.append((int(code) % 1000, frequency_khz(int(code), w[1]),
                                        " ".join(w[2:])))
    return airports


@dataclass
class Navaid:
    kind: str            # "VOR" or "NDB"
    lat: float
    lon: float
    elevation_ft: int
    frequency: float     # MHz for a VOR, kHz for an NDB
    range_nm: int
    variation: float
    ident: str
    name: str


def read_navaids(path):
    # Later versions add region columns before the name.
    check_version(path, ("740", "810"))
    navaids = []
    for w in read_rows(path):
        if w[0] not in ("2", "3") or len(w) < 9:
            continue
        kind = "NDB" if w[0] == "2" else "VOR"
        freq = float(w[4]) if kind == "NDB" else float(w[4]) / 100.0
        navaids.append(Navaid(kind, float(w[1]), float(w[2]), int(float(w[3])), freq,
                              int(float(w[5])), float(w[6]), w[7], " ".join(w[8:])))
    return navaids


def read_fixes(path):
    check_version(path, ("600", "1100", "1101", "1200"))
    fixes = []
    for w in read_rows(path):
        if len(w) >= 3:
            try:
                fixes.append((float(w[0]), float(w[1]), w[2]))
            except ValueError:
                continue
    return fixes


# ---------------------------------------------------------------- names

def mixed_case(name):
    """Writes words in capitals in mixed case: all words of an all-capitals
    name, and words of four letters or more elsewhere ("WIENER NEUSTADT Ost").
    Abbreviations such as AAF stay as they are."""
    all_caps = not any(c.islower() for c in name)
    out = []
    word = ""
    first = True

    def flush():
        nonlocal word, first
        if word:
            if word in KEEP_CAPS or not word.isupper() or (not all_caps and len(word) < 4):
                out.append(word)
            elif word.lower() in SMALL_WORDS and not first:
                out.append(word.lower())
            else:
                out.append(word[0] + word[1:].lower())
            first = False
            word = ""

    for c in name:
        if c.isalpha():
            word += c
        else:
            flush()
            out.append(c)
    flush()
    return "".join(out)


def shorten(name, limit=NAME_MAX):
    """Cuts a name to `limit` characters, marking the cut with a full stop."""
    name = " ".join(name.split())
    if len(name) <= limit:
        return name
    return name[:limit - 1].rstrip(" -/.,") + "."


def clean_text(text):
    """Removes the delimiter and characters the region file cannot hold."""
    text = text.replace(DELIMITER, ",").replace("\t", " ")
    return "".join(c if c.isprintable() else " " for c in text).strip()


def airport_name(apt):
    name = apt.name
    for tag in ("[H]", "[S]", "[G]"):
        if name.startswith(tag):
            name = name[len(tag):].strip()
    # A few names repeat the ident in front ("EDAU Riesa-Göhlis").
    first, _, rest = name.partition(" ")
    if first.upper() == apt.ident.upper() and rest:
        name = rest
    return clean_text(mixed_case(name))


def is_glider_site(name):
    low = name.lower()
    return any(w in low for w in GLIDER_WORDS)


def strip_glider_words(name):
    low = name.lower()
    for w in GLIDER_WORDS:
        i = low.find(w)
        if i >= 0:
            stripped = (name[:i] + name[i + len(w):]).strip(" -,")
            return " ".join(stripped.split()) or name
    return name


def navaid_name(nav):
    words = nav.name.split()
    while len(words) > 1 and words[-1].upper() in NAVAID_SUFFIXES:
        words.pop()
    name = clean_text(mixed_case(" ".join(words)))
    return name or nav.ident


def icao_ident(ident):
    """The ident as written: a location indicator has four letters; the data
    set's own placeholders with digits (ED01, EDX3) are left out."""
    return ident if ident.isalpha() and len(ident) <= IDENT_MAX else ""


# ---------------------------------------------------------------- values

def position_text(value, positive, negative):
    """Degrees, minutes and seconds with two decimals, then the hemisphere."""
    letter = positive if value >= 0 else negative
    hundredths = int(math.floor(abs(value) * 360000.0 + 0.5))
    deg, rest = divmod(hundredths, 360000)
    minutes, rest = divmod(rest, 6000)
    seconds, frac = divmod(rest, 100)
    return f"{deg} {minutes} {seconds}.{frac:02d} {letter}"


def variation_text(value):
    """Whole degrees (rounded) and E or W."""
    whole = int(math.floor(abs(value) + 0.5))
    return f"{whole} {'W' if value < 0 and whole else 'E'}"


def frequency_text(value, decimals):
    return f"{value:.{decimals}f}"


def runway_number(designator):
    digits = ""
    for c in designator:
        if c.isdigit():
            digits += c
        else:
            break
    return int(digits) if digits else 0


def runway_bearing(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dl = math.radians(lon2 - lon1)
    y = math.sin(dl) * math.cos(p2)
    x = math.cos(p1) * math.sin(p2) - math.sin(p1) * math.cos(p2) * math.cos(dl)
    return math.degrees(math.atan2(y, x)) % 360.0


# ---------------------------------------------------------------- records

@dataclass
class Record:
    type: str
    values: dict
    lat: float
    lon: float

    @property
    def name(self):
        return self.values["NAME"]

    @property
    def ident(self):
        return self.values.get("IDENT", "")


def import_check(rec):
    """The range checks of the import, on the written values. Returns the
    reason of the first failure or None."""
    v = rec.values
    if not 1 <= len(v["NAME"]) <= NAME_MAX:
        return "name length"
    if len(v.get("IDENT", "")) > IDENT_MAX:
        return "ident length"
    if not (-90 <= rec.lat <= 90 and -180 <= rec.lon <= 180):
        return "position"
    if v.get("FREQ"):
        stored = int(math.floor(float(v["FREQ"]) * 1000 + 0.5))
        if stored > 0 and not FREQ_MIN <= stored * 0.001 <= FREQ_MAX:
            return "frequency out of range"
    if v.get("ELEV") and not ELEV_MIN <= int(v["ELEV"]) <= ELEV_MAX:
        return "elevation out of range"
    if rec.type in ("WP_AIRPORT", "WP_SAIL"):
        if not RWY_MIN <= int(v["RWYLEN"]) <= RWY_MAX:
            return "runway length out of range"
        if not 1 <= int(v["RWYDIR"]) <= 36:
            return "runway direction"
    elif v.get("RANGE") and not 0 <= int(v["RANGE"]) <= RANGE_MAX:
        return "range out of range"
    return None


class Builder:
    def __init__(self, airports, navaids, fixes):
        self.airports = airports
        self.navaids = navaids
        self.fixes = fixes
        self.dropped = defaultdict(Counter)     # region -> reason -> count
        self.notes = defaultdict(Counter)       # region -> note -> count

        self.vors = [n for n in navaids if n.kind == "VOR"]
        self.vor_grid = PointGrid([(n.lat, n.lon, n) for n in self.vors])

        # Reference points of the airports with a four-letter location
        # indicator, for assigning navaids and fixes to a country. Idents
        # with digits or starting with X are the data set's placeholders and
        # say nothing about the country.
        refs = []
        for apt in airports:
            pos = self.airport_position(apt)
            if (pos and not apt.name.startswith("[X]") and len(apt.ident) == 4
                    and apt.ident.isalpha() and not apt.ident.startswith("X")):
                refs.append((pos[0], pos[1], apt.ident[:2], apt.name.lower()))
        self.airport_grid = PointGrid(refs)
        self.area_services = self.count_area_services()

    # ---- derived values

    def variation_near(self, lat, lon):
        """Median variation of the three nearest VORs."""
        near = self.vor_grid.nearest(lat, lon, 3)
        values = sorted(p[2].variation for _d, p in near)
        return values[len(values) // 2]

    def region_of(self, lat, lon, name=""):
        """The region whose airport lies nearest, or another country's
        prefix. A navaid named after one of the five nearest airports
        ("MAASTRICHT VOR-DME") belongs to that airport's country. A point is
        marked uncertain ("?" before the region) when a vote of the five
        nearest airports, weighted by inverse distance, names another
        country: near a border the nearest airport alone is no safe guide."""
        near = self.airport_grid.nearest(lat, lon, 5)
        if not near:
            return None

        def key(prefix):
            for region in REGIONS:
                if prefix in region.prefixes:
                    return region.name
            return prefix

        word = name.split()[0].lower() if name.split() else ""
        if len(word) >= 4:
            for _d, p in near:
                if word in p[3]:
                    return key(p[2])

        votes = Counter()
        for d, p in near:
            votes[key(p[2])] += 1.0 / max(d, 1000.0)
        nearest = key(near[0][1][2])
        return nearest if votes.most_common(1)[0][0] == nearest else "?" + nearest

    @staticmethod
    def airport_position(apt):
        """Mean of the land runway ends; heliports: of their helipads."""
        points = []
        if apt.code == 17 and apt.helipads:
            points = list(apt.helipads)
        else:
            for r in apt.runways:
                points += [(r[1], r[2]), (r[4], r[5])]
            if not points:
                points = list(apt.helipads)
        if not points:
            return None
        return (sum(p[0] for p in points) / len(points),
                sum(p[1] for p in points) / len(points))

    @staticmethod
    def frequency_words(fname):
        """Service words and place words of an apt.dat frequency name, or
        None for a service that is not the airfield's (approach, radar,
        ground, ATIS and the like)."""
        words = fname.upper()
        for c in "_/()":
            words = words.replace(c, " ")
        words = words.split()
        if any(w in OTHER_SERVICE_WORDS for w in words):
            return None
        known = TOWER_WORDS | INFO_WORDS | UNICOM_WORDS
        service = [w for w in words if w in known]
        places = [w for w in words if w not in known and w not in NOISE_WORDS]
        return service, places

    def count_area_services(self):
        """How many airfields list an information frequency under each place
        word. A place word listed by several airfields ("LANGEN INFO") names
        the flight information service of an area, not an airfield."""
        users = defaultdict(set)
        for apt in self.airports:
            for code, _khz, fname in apt.frequencies:
                parsed = self.frequency_words(fname) if code in (51, 54) else None
                if parsed and parsed[1] and not any(w in TOWER_WORDS for w in parsed[0]):
                    users[" ".join(parsed[1])].add(apt.ident)
        return {place: len(idents) for place, idents in users.items()}

    def pick_frequency(self, apt, name):
        """The airfield's own tower, information or unicom frequency, or None.
        Preferred: a bare "TWR" or "INFO", then a named tower, then an
        information frequency named after the airfield, then the rest."""
        low_names = (name.lower(), apt.name.lower())
        best = None
        for order, (code, khz, fname) in enumerate(apt.frequencies):
            if code not in (51, 54) or not 118000 <= khz <= 136975:
                continue
            parsed = self.frequency_words(fname)
            if parsed is None:
                continue
            service, places = parsed
            own_place = any(len(p) >= 3 and (p == apt.ident.upper()
                                            or any(p.lower() in n for n in low_names))
                            for p in places)
            if not places:
                rank = 0 if service else 3
            elif any(w in TOWER_WORDS for w in service):
                rank = 1
            elif own_place or self.area_services.get(" ".join(places), 0) <= 1:
                rank = 2
            else:
                continue            # the information service of the area
            key = (rank, order)
            if best is None or key < best[0]:
                best = (key, khz)
        return best[1] if best else None

    # ---- regions

    def in_box(self, region, lat, lon):
        b = region.box
        return b[0] <= lat <= b[1] and b[2] <= lon <= b[3]

    def airport_records(self, region):
        drop = self.dropped[region.name]
        note = self.notes[region.name]
        out = []
        for apt in self.airports:
            if apt.ident[:2] not in region.prefixes:
                continue
            pos = self.airport_position(apt)
            if pos is None or not self.in_box(region, *pos):
                continue        # the same prefix is used outside the region
            if apt.name.startswith("[X]"):
                drop["airport closed"] += 1
                continue
            if apt.code == 16:
                drop["seaplane base"] += 1
                continue
            name = airport_name(apt)
            values = {"COUNTRY": region.country, "IDENT": icao_ident(apt.ident),
                      "ELEV": str(apt.elevation_ft), "ELEV_IN": "DIM_FEET",
                      "VAR": variation_text(self.variation_near(*pos)),
                      "RWYLEN_IN": "DIM_METER", "RWYSLOPE_IN": "DIM_FEET",
                      "RANGE_IN": "DIM_NM"}
            if not values["IDENT"]:
                note["ident left out (not a location indicator)"] += 1
            freq = self.pick_frequency(apt, name)
            if freq:
                values["FREQ"] = frequency_text(freq / 1000.0, 3)

            if apt.code == 17:
                kind = "WP_HELI"
            else:
                land = [r for r in apt.runways if r[6] != WATER_SURFACE]
                if not land:
                    drop["no land runway"] += 1
                    continue
                kind = "WP_SAIL" if is_glider_site(name) else "WP_AIRPORT"
                if kind == "WP_SAIL":
                    name = strip_glider_words(name)
                lengths = [distance_m(r[1], r[2], r[4], r[5]) for r in land]
                longest = max(range(len(land)), key=lambda i: (lengths[i], -i))
                rwy = land[longest]
                values["RWYLEN"] = str(int(math.floor(lengths[longest] + 0.5)))
                number = runway_number(rwy[0]) or runway_number(rwy[3])
                if not 1 <= number <= 36:
                    # No numbered end: the magnetic direction of the runway,
                    # from its true bearing and the variation used here.
                    true = runway_bearing(rwy[1], rwy[2], rwy[4], rwy[5])
                    var = self.variation_near(*pos)
                    number = int(math.floor(((true - var) % 360.0) / 10.0 + 0.5)) or 36
                    note["runway direction from the runway's bearing"] += 1
                values["RWYDIR"] = str(number)
                surface = rwy[6]
                if surface in PAVED_SURFACES:
                    values["SURFACE"] = "1"
                elif surface in UNPAVED_SURFACES:
                    values["SURFACE"] = "0"
            values["TYPE"] = kind
            values["NAME"] = name
            out.append(Record(kind, values, pos[0], pos[1]))
        return out

    def navaid_records(self, region):
        drop = self.dropped[region.name]
        note = self.notes[region.name]
        out = []
        for nav in self.navaids:
            if not self.in_box(region, nav.lat, nav.lon):
                continue
            owner = self.region_of(nav.lat, nav.lon, nav.name)
            if owner == "?" + region.name:
                drop["navaid near a border, country uncertain"] += 1
            if owner != region.name:
                continue
            kind = "WP_VOR" if nav.kind == "VOR" else "WP_NDB"
            values = {"TYPE": kind, "COUNTRY": region.country, "IDENT": nav.ident,
                      "NAME": navaid_name(nav), "ELEV_IN": "DIM_FEET",
                      "RWYLEN_IN": "DIM_METER", "RWYSLOPE_IN": "DIM_FEET",
                      "RANGE_IN": "DIM_NM"}
            # The data set writes 0 where it does not know a navaid's elevation.
            if nav.elevation_ft != 0:
                values["ELEV"] = str(nav.elevation_ft)
            else:
                note["navaid elevation unknown (0 in the data)"] += 1
            if nav.kind == "VOR":
                values["FREQ"] = frequency_text(nav.frequency, 2)
                values["VAR"] = variation_text(nav.variation)
            else:
                values["FREQ"] = frequency_text(nav.frequency, 1 if nav.frequency % 1 else 0)
                values["VAR"] = variation_text(self.variation_near(nav.lat, nav.lon))
            if nav.range_nm > RANGE_MAX:
                note["range capped to 255 NM"] += 1
            if nav.range_nm > 0:
                values["RANGE"] = str(min(nav.range_nm, RANGE_MAX))
            out.append(Record(kind, values, nav.lat, nav.lon))
        return out

    def fix_records(self, region):
        candidates = []
        uncertain = 0
        for lat, lon, ident in self.fixes:
            # Named five-letter fixes only; names with digits are procedure
            # and grid points.
            if len(ident) != 5 or not ident.isalpha() or not ident.isupper():
                continue
            if not self.in_box(region, lat, lon):
                continue
            owner = self.region_of(lat, lon)
            if owner == "?" + region.name:
                uncertain += 1
            if owner != region.name:
                continue
            candidates.append((lat, lon, ident))
        # One fix per grid cell (the first by name), spread over the country.
        cell_lat = region.fix_cell
        cell_lon = cell_lat / math.cos(math.radians((region.box[0] + region.box[1]) / 2))
        chosen = {}
        for lat, lon, ident in sorted(candidates, key=lambda c: (c[2], c[0], c[1])):
            key = (math.floor(lat / cell_lat), math.floor(lon / cell_lon))
            chosen.setdefault(key, (lat, lon, ident))
        self.notes[region.name]["fixes in the region"] = len(candidates)
        self.notes[region.name]["fixes near a border left out"] = uncertain
        out = []
        for lat, lon, ident in chosen.values():
            values = {"TYPE": "WP_INTERSECTION", "COUNTRY": region.country,
                      "IDENT": ident, "NAME": ident, "ELEV_IN": "DIM_FEET",
                      "VAR": variation_text(self.variation_near(lat, lon)),
                      "RWYLEN_IN": "DIM_METER", "RWYSLOPE_IN": "DIM_FEET",
                      "RANGE_IN": "DIM_NM"}
            out.append(Record("WP_INTERSECTION", values, lat, lon))
        return out

    def region_records(self, region):
        records = (self.airport_records(region) + self.navaid_records(region)
                   + self.fix_records(region))
        drop = self.dropped[region.name]
        # Names are unique per type: an import replaces a location of the same
        # name and type. Clashing names get their ident appended.
        by_name = defaultdict(list)
        for rec in records:
            by_name[(rec.type, rec.name.lower())].append(rec)
        for group in by_name.values():
            if len(group) > 1:
                for rec in group:
                    if rec.ident:
                        base = shorten(rec.name, NAME_MAX - len(rec.ident) - 1).rstrip(".")
                        rec.values["NAME"] = f"{base} {rec.ident}"
        for rec in records:
            rec.values["NAME"] = shorten(rec.values["NAME"])
        seen = set()
        kept = []
        for rec in records:
            key = (rec.type, rec.name.lower())
            if key in seen:
                drop["duplicate name"] += 1
                continue
            reason = import_check(rec)
            if reason:
                drop[reason] += 1
                continue
            seen.add(key)
            rec.values["LAT"] = position_text(rec.lat, "N", "S")
            rec.values["LON"] = position_text(rec.lon, "E", "W")
            kept.append(rec)
        order = {"WP_AIRPORT": 0, "WP_SAIL": 1, "WP_HELI": 2, "WP_VOR": 3,
                 "WP_NDB": 4, "WP_INTERSECTION": 5}
        kept.sort(key=lambda r: (order[r.type], r.name.lower(), r.name))
        return kept


def write_region(path, records, encoding):
    lines = ["DELIMITER=" + DELIMITER, DELIMITER.join(COLUMNS)]
    for rec in records:
        lines.append(DELIMITER.join(rec.values.get(c, "") for c in COLUMNS))
    text = "\n".join(lines) + "\n"
    with open(path, "wb") as f:
        f.write(text.encode(encoding, errors="replace"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("source", help="folder with apt.dat.gz, nav.dat.gz, fix.dat.gz")
    parser.add_argument("output", help="folder for the import files")
    parser.add_argument("--encoding", default="utf-8",
                        help="character set of the import files (default utf-8)")
    args = parser.parse_args()

    apt_path = find_source(args.source, "apt.dat.gz")
    nav_path = find_source(args.source, "nav.dat.gz")
    fix_path = find_source(args.source, "fix.dat.gz")
    for p in (apt_path, nav_path, fix_path):
        print(f"{os.path.basename(p)}: {file_version(p)[:60]}")

    builder = Builder(read_airports(apt_path), read_navaids(nav_path), read_fixes(fix_path))
    os.makedirs(args.output, exist_ok=True)
    for region in REGIONS:
        records = builder.region_records(region)
        path = os.path.join(args.output, region.name + ".txt")
        write_region(path, records, args.encoding)
        counts = Counter(r.type for r in records)
        print(f"\n{region.name}: {len(records)} locations -> {path}")
        for kind in ("WP_AIRPORT", "WP_SAIL", "WP_HELI", "WP_VOR", "WP_NDB", "WP_INTERSECTION"):
            print(f"  {kind:16} {counts.get(kind, 0)}")
        for reason, n in sorted(builder.dropped[region.name].items()):
            print(f"  dropped: {reason}: {n}")
        for text, n in sorted(builder.notes[region.name].items()):
            print(f"  note: {text}: {n}")


if __name__ == "__main__":
    main()
