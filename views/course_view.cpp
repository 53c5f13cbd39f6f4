#include "views/course_view.h"

#include <algorithm>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/weight_balance.h"
#include "core/calc_doc.h"
#include "core/units.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/prompt.h"
#include "route/route_calc.h"
#include "route/way_doc.h"
#include "views/appendix_doc.h"
#include "views/course_view_appendix.h"
#include "views/fuel_sheet.h"

namespace {

constexpr int kStrBelowMinimum = 1770;  // "Die Sicherheitsmindesthöhe wird über »%s« nicht eingehalten!"

// How far each column moves right when the appendix's wind line is wider
// than the table, in steps of e.
int appendixShiftSteps(int column, bool print) {
    switch (column) {
        case kColWind:
            return print ? 0 : 1;
        case kColWca:
            return print ? 0 : 2;
        case kColVar:
            return print ? 0 : 3;
        case kColFreq:
            return print ? 1 : 0;
        case kColMinAlt:
            return print ? 2 : 0;
        case kColGroundSpeed:
            return print ? 3 : 4;
        case kColCourse:
            return 4;
        case kColDistance:
            return 5;
        case kColAltitude:
            return 6;
        case kColHeading:
            return 7;
        case kColTime:
            return 8;
        case kColEto:
        case kColAto:
            return print ? 9 : 0;
        default:
            return 0;
    }
}

// The row of a waypoint or alternate: its data, what kind of row it is and
// the leg that ends there.
struct RowSource {
    CWayPoint wp;
    CourseRowKind kind = CourseRowKind::Departure;
    CRouteLeg leg;
    bool climbDescentPoint = false;
};

bool fetchRow(const CWayDoc& route, const CRouteCalc& calc, const std::vector<int>& alternates, int i,
              RowSource& row) {
    const int n = route.GetCount();
    if (i < n) {
        if (!route.GetAt(i, row.wp)) return false;
        if (i == 0)
            row.kind = CourseRowKind::Departure;
        else if (i == n - 1)
            row.kind = CourseRowKind::Destination;
        else
            row.kind = CourseRowKind::Intermediate;
        if (i > 0) row.leg = calc.GetLeg(i);
        // Climb and descent points lie between departure and destination.
        row.climbDescentPoint = row.kind == CourseRowKind::Intermediate &&
                                (row.wp.HasMark(WPT_TOP_OF_CLIMB) || row.wp.HasMark(WPT_TOP_OF_DESCENT));
        return true;
    }
    const int entry = i - n;
    if (entry >= static_cast<int>(alternates.size())) return false;
    if (!route.GetAlternate(alternates[static_cast<size_t>(entry)], row.wp)) return false;
    row.kind = CourseRowKind::Alternate;
    row.leg = calc.GetAlternateLeg(entry);
    return true;
}

}  // namespace

CCourseView::CCourseView(CWayDoc* route) : CRouteTextView(route) {}

std::vector<int> CCourseView::RowAlternates() const {
    std::vector<int> numbers;
    const CWayDoc* route = Route();
    if (!route || route->GetCount() == 0 || !route->HasOption(RTE_ALTERNATES)) return numbers;
    for (int which = 1; which <= 2; ++which) {
        CWayPoint alternate;
        if (route->GetAlternate(which, alternate) && alternate.IsValidLocation()) numbers.push_back(which);
    }
    return numbers;
}

int CCourseView::RowCount() const {
    const CWayDoc* route = Route();
    if (!route) return 0;
    return route->GetCount() + static_cast<int>(RowAlternates().size());
}

std::string CCourseView::FileLineText() const {
    return ViewFileLine(Route(), Plane());
}

std::string CCourseView::DateText() const {
    return ViewDateLine();
}

// ---- layout ------------------------------------------------------------------------------------

void CCourseView::CreateViewFonts(Canvas& dc) {
    SetupFonts(dc);
    SetMarginAndGap(m_nFontSize);
}

void CCourseView::PrepareDC(Canvas& dc) {
    CTextViewTool::PrepareDC(dc);
    m_nPageHeight = GetPageSize(dc).cy;
    const Font previous = dc.CurrentFont();
    dc.SetFont(m_BoldFont);
    LayoutColumns(dc, m_bPrinting != 0);
    dc.SetFont(previous);
}

void CCourseView::LayoutColumns(Canvas& dc, bool print) {
    const int g = ColumnGap();
    const int x0 = m_nLeftMargin;
    auto width = [&dc](const std::string& text) { return dc.TextExtent(text).cx; };
    m_nRuleStartX = x0;
    m_nEdge.fill(0);
    m_nNameX = x0 + g;

    // The name column is as wide as the widest label it shows.
    int nameWidth = 0;
    if (const CWayDoc* route = Route()) {
        const int n = route->GetCount();
        for (int i = 0; i < n; ++i) {
            CWayPoint wp;
            if (!route->GetAt(i, wp)) continue;
            nameWidth =
                std::max(nameWidth, width(i == 0 || i == n - 1 ? CourseLongLabel(wp) : wp.ShownText()));
        }
        for (int which : RowAlternates()) {
            CWayPoint alternate;
            route->GetAlternate(which, alternate);
            nameWidth = std::max(nameWidth, width(CourseLongLabel(alternate)));
        }
    }
    if (nameWidth == 0) nameWidth = width(CourseHeading(kColName));
    nameWidth = std::max(nameWidth, 4 * g);
    const int headerEnd = m_nNameX + width(FileLineText()) + width(DateText());

    const bool metres = theDimDoc()->m_nDistance == DIM_METER;
    int edge = m_nNameX + nameWidth;
    int last = kColName;
    auto place = [&](int column, int gaps) {
        edge += gaps * g + width(CourseHeading(column));
        m_nEdge[static_cast<size_t>(column)] = edge;
        last = column;
    };
    if (!print) {
        place(kColWind, 1);
        place(kColWca, 1);
        place(kColVar, 2);
    } else {
        place(kColFreq, 1);
        place(kColMinAlt, 1);
    }
    place(kColGroundSpeed, 1);
    place(kColCourse, 1);
    place(kColDistance, metres ? 3 : 1);
    place(kColAltitude, 1);
    place(kColHeading, 1);
    place(kColTime, metres ? 2 : 1);
    if (print) {
        place(kColEto, 1);
        place(kColAto, 1);
    }
    m_nRuleEndX = edge + g;

    // A first line wider than the table moves every column but the names.
    if (headerEnd > m_nRuleEndX) {
        const int d = headerEnd - m_nRuleEndX;
        for (int c = kColName + 1; c < kCourseColumns; ++c)
            if (m_nEdge[static_cast<size_t>(c)] != 0) m_nEdge[static_cast<size_t>(c)] += d;
        m_nRuleEndX = headerEnd;
    }

    // The wind line of the appendix.
    int windEdge = m_nNameX + width(kAppendixWindTitle);
    for (size_t layer = 0; layer < kAppendixWindLabels.size(); ++layer) {
        windEdge += (layer == 0 ? 1 : 2) * g + width(kAppendixWindLabels[layer]);
        m_nWindEdge[layer] = windEdge;
    }
    m_nWindUnitX = windEdge + g;
    const std::string unitText = strFormat(kAppendixWindUnit, UnitName(theDimDoc()->m_nWind));
    const int excess = m_nWindUnitX + g + width(unitText) - m_nRuleEndX;
    if (excess > 0) {
        const int e = static_cast<int>((excess + g) * 0.125);
        for (int c = kColName + 1; c < kCourseColumns; ++c)
            if (m_nEdge[static_cast<size_t>(c)] != 0)
                m_nEdge[static_cast<size_t>(c)] += appendixShiftSteps(c, print) * e;
        m_nRuleEndX = m_nEdge[static_cast<size_t>(last)] + g;
    }
    m_nPageWidth = m_nRuleEndX - x0;
}

// ---- drawing ------------------------------------------------------------------------------------

void CCourseView::DrawTableHead(Canvas& dc, int& y, int& lastRule, bool print) {
    const int lh = LineHeight();
    y += lh;
    const int top = y;
    HorizontalRule(dc, top + lh / 2);
    y += lh;

    dc.SetFont(m_BoldFont);
    PutTextLeft(dc, m_nNameX, y, CourseHeading(kColName));
    for (int c = kColName + 1; c < kCourseColumns; ++c)
        if (CourseColumnShown(c, print)) PutTextRight(dc, ColumnEdge(c), y, CourseHeading(c));
    y += lh;

    dc.SetFont(m_NormalFont);
    const CourseUnits units = CourseUnits::Preferred();
    if (print)
        PutTextRight(dc, ColumnEdge(kColMinAlt), y, UnitName(units.altitude));
    else
        PutTextRight(dc, ColumnEdge(kColWind), y, UnitName(units.wind));
    PutTextRight(dc, ColumnEdge(kColGroundSpeed), y, UnitName(units.speed));
    PutTextRight(dc, ColumnEdge(kColDistance), y, UnitName(units.distance));
    PutTextRight(dc, ColumnEdge(kColAltitude), y, UnitName(units.altitude));
    y += lh;

    VerticalRules(dc, m_nRuleStartX, m_nRuleEndX, top + lh / 2, y + lh / 2);
    HorizontalRule(dc, y + lh / 2);
    lastRule = y;
    y += lh;
}

void CCourseView::DrawCells(Canvas& dc, int y, const CourseRowText& row, bool print) {
    const auto& c = row.cells;
    PutTextLeft(dc, m_nNameX, y, c[kColName]);
    for (int col = kColName + 1; col < kCourseColumns; ++col) {
        if (!CourseColumnShown(col, print) || c[static_cast<size_t>(col)].empty()) continue;
        if (col == kColVar) {
            // The variation's figure stands a gap left of its letter.
            PutTextRight(dc, ColumnEdge(kColVar) - ColumnGap(), y, c[kColVar]);
            PutTextRight(dc, ColumnEdge(kColVar), y, row.varLetter);
        } else if (col == kColHeading) {
            dc.SetFont(m_BoldFont);
            PutTextRight(dc, ColumnEdge(col), y, c[kColHeading]);
            dc.SetFont(m_NormalFont);
        } else {
            PutTextRight(dc, ColumnEdge(col), y, c[static_cast<size_t>(col)]);
        }
    }
}

void CCourseView::CloseBox(Canvas& dc, int y, int lastRule, bool solid, bool print, bool crossed) {
    const int lh = LineHeight();
    const int top = lastRule + lh / 2;
    const int bottom = y + lh / 2;
    VerticalRules(dc, m_nRuleStartX, m_nRuleEndX, top, bottom);
    if (print) {
        const int left = ColumnEdge(kColTime) + ColumnGap();
        const int right = ColumnEdge(kColEto) + ColumnGap();
        VerticalRules(dc, left, right, top, bottom);
        if (crossed && m_bDrawing) {
            // Nobody flies to the departure: its time boxes are crossed out.
            const Pen previous = dc.CurrentPen();
            dc.SetPen(Pen{PenStyle::Dot, 1, 0});
            dc.Line({left, top}, {right, bottom});
            dc.Line({left, bottom}, {right, top});
            dc.SetPen(previous);
        }
    }
    if (solid)
        HorizontalRule(dc, bottom);
    else
        DottedRule(dc, bottom);
}

void CCourseView::DrawTotal(Canvas& dc, int& y, int& lastRule, bool print) {
    (void)print;
    const int lh = LineHeight();
    const CourseRowText total = CourseTotalCells(m_Running);
    PutTextRight(dc, ColumnEdge(kColDistance), y, total.cells[kColDistance]);
    PutTextRight(dc, ColumnEdge(kColTime), y, total.cells[kColTime]);
    y += lh;
    VerticalRules(dc, m_nRuleStartX, m_nRuleEndX, lastRule + lh / 2, y + lh / 2);
    HorizontalRule(dc, y + lh / 2);
    lastRule = y;
    y += lh;
}

void CCourseView::Report(const std::string& message) {
    // Printing lays the same rows out again; the screen reports them.
    if (m_bPrinting) return;
    if (std::find(m_Reported.begin(), m_Reported.end(), message) != m_Reported.end()) return;
    m_Reported.push_back(message);
    thePrompt().Message(message, MessageKind::Warning);
}

int CCourseView::Body(Canvas& dc, int& startRow, int& y, int printing, int drawing) {
    m_bDrawing = drawing;
    const bool print = printing != 0;
    const Font previous = dc.CurrentFont();
    dc.SetFont(m_NormalFont);
    dc.SetBackground(false, 0xFFFFFF);
    const int lh = LineHeight();
    auto finish = [&](int more) {
        dc.SetFont(previous);
        if (!more) {
            SetExtentWidth(m_nRuleStartX + m_nRuleEndX);
            SetExtentHeight(y);
        }
        return more;
    };

    PutTextLeft(dc, m_nRuleStartX, y, FileLineText());
    PutTextRight(dc, m_nRuleEndX, y, DateText());
    y += lh;

    CWayDoc* route = Route();
    if (!route) return finish(0);
    const std::vector<int> alternates = RowAlternates();
    const int n = route->GetCount();
    const int rows = n + static_cast<int>(alternates.size());
    int lastRule = y;
    if (startRow < rows) DrawTableHead(dc, y, lastRule, print);

    const CPlane* plane = Plane();
    if (!plane) return finish(0);
    CRouteCalc& calc = route->GetCalc();
    calc.Prepare(*plane);
    calc.ComputeLegs();
    calc.ComputeAlternateLegs();
    if (startRow == 0) m_Running = CourseRunning();

    const CourseUnits units = CourseUnits::Preferred();
    for (int i = std::max(startRow, 0); i < rows; ++i) {
        RowSource source;
        if (!fetchRow(*route, calc, alternates, i, source)) continue;
        // Room for the row, its bearings and a total that follows it.
        int needed = 2 + static_cast<int>(source.wp.GetBearing(0).IsSet()) +
                     static_cast<int>(source.wp.GetBearing(1).IsSet());
        if (i == n - 1) needed += 2;
        if (print && PageFull(y, needed)) {
            startRow = i;
            calc.RestoreModified();
            return finish(1);
        }
        const CourseRowText row = CourseRowCells(source.wp, source.kind, source.leg, units, m_Running);
        DrawCells(dc, y, row, print);
        if (row.belowMinimum) Report(FormatStr(kStrBelowMinimum, source.wp.GetName().c_str()));
        y += lh;
        for (const std::string& bearing : row.bearings) {
            PutTextLeft(dc, m_nNameX, y, bearing);
            y += lh;
        }
        if (!source.climbDescentPoint) {
            CloseBox(dc, y, lastRule, i == n - 1 || i == rows - 1, print, i == 0);
            lastRule = y;
            y += lh;
        }
        if (i == n - 1) DrawTotal(dc, y, lastRule, print);
    }
    // The grand total closes the table; a page that carries only the
    // appendix has no table.
    if (startRow < rows && route->HasOption(RTE_ALTERNATES) && n > 0) DrawTotal(dc, y, lastRule, print);
    calc.RestoreModified();

    if (theAppendixDoc()->IsOn()) {
        calc.Prepare(*plane);
        const CLoadDoc& load = *theLoadDoc();
        int more = 0;
        if (calc.Compute(*plane, CurrentWeather(), load))
            more = DrawAppendix(dc, y, *plane);
        else
            DrawMissingArms(dc, y, *plane, load);
        calc.RestoreModified();
        if (more) {
            startRow = rows;
            return finish(1);
        }
    }
    return finish(0);
}

int CCourseView::DrawAppendix(Canvas& dc, int& y, const CPlane&) {
    const CWayDoc* route = Route();
    const int lh = LineHeight();
    const std::string destination =
        route->GetCount() > 0 ? route->GetWayPoint(route->GetCount() - 1).GetName() : "";
    const CourseAppendix a = BuildCourseAppendix(*theAppendixDoc(), route->GetCalc().GetResults(),
                                                 CurrentWeather(), CourseUnits::Preferred(), destination);
    if (m_bPrinting && PageFull(y, a.NeededLines())) return 1;

    y += lh;
    const int top = y;
    HorizontalRule(dc, top + lh / 2);
    bool sectionDrawn = false;
    auto separate = [&] {
        if (!sectionDrawn) return;
        y += lh;
        DottedRule(dc, y + lh / 2);
    };
    if (a.winds) {
        y += lh;
        PutTextLeft(dc, m_nNameX, y, kAppendixWindTitle);
        for (size_t layer = 0; layer < 4; ++layer)
            PutTextRight(dc, m_nWindEdge[layer], y, kAppendixWindLabels[layer]);
        y += lh;
        for (size_t layer = 0; layer < 4; ++layer)
            PutTextRight(dc, m_nWindEdge[layer], y, a.windValues[layer]);
        PutTextLeft(dc, m_nWindUnitX, y, a.windUnitText);
        sectionDrawn = true;
    }
    if (a.fuel) {
        separate();
        y += lh;
        PutTextLeft(dc, m_nNameX, y, a.fuelLine);
        sectionDrawn = true;
    }
    if (a.sunset) {
        separate();
        y += lh;
        PutTextLeft(dc, m_nNameX, y, a.sunsetLine);
        sectionDrawn = true;
    }
    if (!a.texts.empty()) {
        separate();
        for (const std::string& text : a.texts) {
            y += lh;
            PutTextLeft(dc, m_nNameX, y, text);
        }
    }
    y += lh;
    HorizontalRule(dc, y + lh / 2);
    VerticalRules(dc, m_nRuleStartX, m_nRuleEndX, top + lh / 2, y + lh / 2);
    y += lh;
    return 0;
}

void CCourseView::DrawMissingArms(Canvas& dc, int& y, const CPlane& plane, const CLoadDoc& load) {
    const int lh = LineHeight();
    y += lh;
    const int top = y;
    HorizontalRule(dc, top + lh / 2);
    for (const std::string& message : AllMissingArmMessages(plane, load.GetValues())) {
        y += lh;
        PutTextLeft(dc, m_nNameX, y, message);
    }
    y += lh;
    HorizontalRule(dc, y + lh / 2);
    VerticalRules(dc, m_nRuleStartX, m_nRuleEndX, top + lh / 2, y + lh / 2);
    y += lh;
}

// ---- the table as text ---------------------------------------------------------------------------

namespace {

// One line of the text table: cells in columns, or a text of its own.
struct TextLine {
    enum Kind { Cells, Text, Rule } kind = Cells;
    CourseRowText cells;
    std::string text;
};

}  // namespace

std::vector<std::string> CCourseView::TextTable(bool printForm) {
    std::vector<std::string> out;
    CWayDoc* route = Route();
    if (!route) return out;
    out.push_back(FileLineText());

    const CourseUnits units = CourseUnits::Preferred();
    std::vector<TextLine> lines;
    TextLine heading;
    for (int c = 0; c < kCourseColumns; ++c) heading.cells.cells[static_cast<size_t>(c)] = CourseHeading(c);
    lines.push_back(heading);
    TextLine unitLine;
    auto& u = unitLine.cells.cells;
    u[printForm ? kColMinAlt : kColWind] = UnitName(printForm ? units.altitude : units.wind);
    u[kColGroundSpeed] = UnitName(units.speed);
    u[kColDistance] = UnitName(units.distance);
    u[kColAltitude] = UnitName(units.altitude);
    lines.push_back(unitLine);
    lines.push_back({TextLine::Rule, {}, {}});

    const CPlane* plane = Plane();
    std::vector<std::string> appendix;
    if (plane) {
        const std::vector<int> alternates = RowAlternates();
        const int n = route->GetCount();
        const int rows = n + static_cast<int>(alternates.size());
        CRouteCalc& calc = route->GetCalc();
        calc.Prepare(*plane);
        calc.ComputeLegs();
        calc.ComputeAlternateLegs();
        CourseRunning running;
        for (int i = 0; i < rows; ++i) {
            RowSource source;
            if (!fetchRow(*route, calc, alternates, i, source)) continue;
            lines.push_back(
                {TextLine::Cells, CourseRowCells(source.wp, source.kind, source.leg, units, running), {}});
            for (const std::string& bearing : lines.back().cells.bearings)
                lines.push_back({TextLine::Text, {}, bearing});
            if (i == n - 1) {
                lines.push_back({TextLine::Rule, {}, {}});
                lines.push_back({TextLine::Cells, CourseTotalCells(running), {}});
                lines.push_back({TextLine::Rule, {}, {}});
            }
        }
        if (route->HasOption(RTE_ALTERNATES) && n > 0) {
            if (lines.back().kind != TextLine::Rule) lines.push_back({TextLine::Rule, {}, {}});
            lines.push_back({TextLine::Cells, CourseTotalCells(running), {}});
            lines.push_back({TextLine::Rule, {}, {}});
        }
        calc.RestoreModified();

        if (theAppendixDoc()->IsOn()) {
            calc.Prepare(*plane);
            const CLoadDoc& load = *theLoadDoc();
            if (calc.Compute(*plane, CurrentWeather(), load)) {
                const std::string destination = n > 0 ? route->GetWayPoint(n - 1).GetName() : "";
                const CourseAppendix a = BuildCourseAppendix(*theAppendixDoc(), calc.GetResults(),
                                                             CurrentWeather(), units, destination);
                if (a.winds) {
                    std::string labels = kAppendixWindTitle;
                    std::string values(utf8Length(labels), ' ');
                    for (size_t layer = 0; layer < 4; ++layer) {
                        const size_t w =
                            std::max(utf8Length(kAppendixWindLabels[layer]), utf8Length(a.windValues[layer]));
                        labels += "  " + utf8PadLeft(kAppendixWindLabels[layer], w);
                        values += "  " + utf8PadLeft(a.windValues[layer], w);
                    }
                    appendix.push_back(labels);
                    appendix.push_back(values + "  " + a.windUnitText);
                }
                if (a.fuel) appendix.push_back(a.fuelLine);
                if (a.sunset) appendix.push_back(a.sunsetLine);
                for (const std::string& text : a.texts) appendix.push_back(text);
            } else {
                for (const std::string& message : AllMissingArmMessages(*plane, load.GetValues()))
                    appendix.push_back(message);
            }
            calc.RestoreModified();
        }
    }

    // Column widths from the widest text of each column.
    auto cellText = [](const CourseRowText& row, int c) {
        const std::string& cell = row.cells[static_cast<size_t>(c)];
        return c == kColVar && !cell.empty() ? cell + row.varLetter : cell;
    };
    std::array<size_t, kCourseColumns> width{};
    for (const TextLine& line : lines)
        if (line.kind == TextLine::Cells)
            for (int c = 0; c < kCourseColumns; ++c)
                width[static_cast<size_t>(c)] =
                    std::max(width[static_cast<size_t>(c)], utf8Length(cellText(line.cells, c)));
    size_t total = width[kColName];
    for (int c = kColName + 1; c < kCourseColumns; ++c)
        if (CourseColumnShown(c, printForm)) total += 2 + width[static_cast<size_t>(c)];

    for (const TextLine& line : lines) {
        if (line.kind == TextLine::Rule) {
            out.push_back(std::string(total, '-'));
        } else if (line.kind == TextLine::Text) {
            out.push_back("  " + line.text);
        } else {
            std::string text = utf8PadRight(line.cells.cells[kColName], width[kColName]);
            for (int c = kColName + 1; c < kCourseColumns; ++c)
                if (CourseColumnShown(c, printForm))
                    text += "  " + utf8PadLeft(cellText(line.cells, c), width[static_cast<size_t>(c)]);
            while (!text.empty() && text.back() == ' ') text.pop_back();
            out.push_back(text);
        }
    }
    out.insert(out.end(), appendix.begin(), appendix.end());
    return out;
}
