#!/bin/sh
# Builds the demo routes in demo/ with navora-cli from the demo regions.
#
#   tools/make_demo_routes.sh [NAVORA-CLI]     (default: build/navora-cli)
#
# The routes are looked up in a scratch program directory in which the three
# demo regions are imported from demo/src and active, so a route may run
# from Germany into Switzerland or Austria. Rerunning it rewrites the same
# files.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-"$root/build/navora-cli"}
case "$cli" in /*) ;; *) cli="$PWD/$cli" ;; esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for region in Germany Switzerland Austria; do
    "$cli" --dir "$work" import "$root/demo/src/$region.txt" --region "$region" >/dev/null 2>&1 ||
        { echo "Import von $region.txt fehlgeschlagen" >&2; exit 1; }
done

# Egelsbach to Freiburg along the Rhine valley.
"$cli" --dir "$work" route new "$root/demo/EDFE-EDTF.way" EDFE EDTK EDTF --alt 3500
# Egelsbach to Bern-Belp in Switzerland.
"$cli" --dir "$work" route new "$root/demo/EDFE-LSZB.way" EDFE EDTK EDTF LSZB --alt 5500
# Egelsbach to Hamburg over the Celle beacon, with Bremen and Hannover as alternates.
"$cli" --dir "$work" route new "$root/demo/EDFE-EDDH.way" EDFE EDFL CEL EDDH --alt 4500 \
    --alternate EDDW --alternate EDDV
