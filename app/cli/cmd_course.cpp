#include <cstdio>

#include "platform/numtext.h"

#include "app/cli/cli.h"
#include "core/latlon.h"
#include "core/position_text.h"

int CmdCourse(const Args& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "Aufruf: navora-cli course POS1 POS2\n");
        return 1;
    }
    CLatLon from, to;
    for (int i = 0; i < 2; ++i) {
        if (!ParsePositionArgument(args[i], i == 0 ? from : to)) {
            std::fprintf(stderr, "Ungültige Position »%s«.\n", args[i].c_str());
            return 1;
        }
    }
    const CourseDistance rhumb = from.RhumbLine(to);
    const CourseDistance great = from.GreatCircle(to);
    std::fputs(strFormat("rhumb %d %.3f\n", rhumb.course, rhumb.distance).c_str(), stdout);
    std::fputs(strFormat("great-circle %d %.3f\n", great.course, great.distance).c_str(), stdout);
    return 0;
}
