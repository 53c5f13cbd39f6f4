#include "views/course_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/plane.h"
#include "aircraft/sun_times.h"
#include "core/calc_doc.h"
#include "core/units.h"
#include "platform/numtext.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompt.h"
#include "route/route_calc.h"
#include "route/way_doc.h"
#include "views/appendix_doc.h"

namespace {

// ---- reading back what was drawn -------------------------------------------------------------------

struct TextItem {
    int x = 0;
    int y = 0;
    char align = 'L';
    int weight = 400;
    std::string text;
};

std::vector<TextItem> textItems(const RecordingCanvas& canvas) {
    std::vector<TextItem> items;
    for (const std::string& line : canvas.Log()) {
        if (line.rfind("text ", 0) != 0) continue;
        TextItem t;
        char align = 0, valign = 0;
        int h = 0, a = 0;
        if (std::sscanf(line.c_str(), "text %d,%d %c %c h=%d w=%d a=%d", &t.x, &t.y, &align, &valign, &h,
                        &t.weight, &a) != 7)
            continue;
        t.align = align;
        const size_t q = line.find('\'');
        t.text = line.substr(q + 1, line.size() - q - 2);
        items.push_back(t);
    }
    return items;
}

// Horizontal lines across the whole rule width, by pen style.
int rulesWithPen(const RecordingCanvas& canvas, const CTextViewTool& view, const std::string& pen) {
    const std::string span = strFormat("line %d,", view.GetRuleStartX());
    int n = 0;
    for (const std::string& line : canvas.Log())
        if (line.rfind(span, 0) == 0 &&
            line.find(strFormat(" %d,", view.GetRuleEndX() + 1)) != std::string::npos &&
            line.find("pen=" + pen) != std::string::npos)
            ++n;
    return n;
}

// What a pass drew, with the column layout of that pass.
class Drawing {
public:
    Drawing(const CCourseView& view, const RecordingCanvas& canvas) : items_(textItems(canvas)) {
        nameX_ = view.NameX();
        for (int c = 0; c < kCourseColumns; ++c) edges_[static_cast<size_t>(c)] = view.ColumnEdge(c);
    }

    const std::vector<TextItem>& Items() const { return items_; }
    bool Has(const std::string& text) const {
        return std::any_of(items_.begin(), items_.end(), [&](const TextItem& t) { return t.text == text; });
    }
    // The y of the row whose name column shows `label`; 1 when none does.
    int RowOf(const std::string& label) const {
        for (const TextItem& t : items_)
            if (t.x == nameX_ && t.align == 'L' && t.text == label) return t.y;
        return 1;
    }
    // The text right-aligned at a column's edge on the line at y.
    std::string Cell(int y, int column) const { return At(y, edges_[static_cast<size_t>(column)]); }
    std::string At(int y, int x) const {
        for (const TextItem& t : items_)
            if (t.y == y && t.x == x && t.align == 'R') return t.text;
        return std::string();
    }
    const TextItem* Find(int y, int x) const {
        for (const TextItem& t : items_)
            if (t.y == y && t.x == x) return &t;
        return nullptr;
    }
    // The ys of lines that show something at the distance column but no name.
    std::vector<int> TotalRows() const {
        std::vector<int> rows;
        for (const TextItem& t : items_) {
            if (t.x != edges_[kColDistance] || t.align != 'R') continue;
            const bool named = std::any_of(items_.begin(), items_.end(),
                                           [&](const TextItem& n) { return n.y == t.y && n.x == nameX_; });
            // Totals are figures (or the dash); the unit row shows a name.
            const bool figure =
                !t.text.empty() &&
                (t.text[0] == ' ' || std::isdigit(static_cast<unsigned char>(t.text[0])) || t.text == "–");
            if (!named && figure) rows.push_back(t.y);
        }
        return rows;
    }

private:
    std::vector<TextItem> items_;
    int nameX_ = 0;
    std::array<int, kCourseColumns> edges_{};
};

// ---- fixtures ---------------------------------------------------------------------------------------

CWayPoint wayPoint(const std::string& name, const std::string& ident, double lat, double lon, int32_t planned,
                   int variation = 0) {
    CLocation loc(name, variation, LOC_MIN_1000);
    loc.SetIdent(ident);
    loc.Set(lat, lon);
    CWayPoint wp(loc);
    wp.SetPlannedAltitude(planned);
    wp.SetAltitudeUnit(DIM_FEET);
    return wp;
}

CPlane fixturePlane(float cruise = 100) {
    CPlane p;
    p.m_strName = "D-EVIW";
    p.m_fCruiseSpeed = cruise;
    p.m_fClimbSpeed = 70;
    p.m_fDescentSpeed = 110;
    p.m_fCruiseFlow = 30;
    p.m_fClimbFlow = 40;
    p.m_fDescentFlow = 20;
    p.m_nSeatRows = 1;
    p.m_fSeatArm[0] = 0.9f;
    p.m_nBaggageCompartments = 1;
    p.m_fBaggageArm[0] = 2.4f;
    p.m_nTanks = 1;
    p.m_fTankUsable[0] = 150;
    p.m_fTankUnusable[0] = 4;
    p.m_fTankArm[0] = 1.1f;
    p.m_fEmptyMass = 700;
    p.m_fEmptyMoment = 700;
    return p;
}

class CourseViewTest : public ::testing::Test {
protected:
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CDimDoc units;
    CMetDoc met;
    CLoadDoc load;
    CCalcDoc presets;
    CAppendixDoc appendix;
    CPlane plane = fixturePlane();
    CWayDoc route;
    CCourseView view{&route};

    CourseViewTest() {
        SetDimDoc(&units);
        SetMetDoc(&met);
        SetLoadDoc(&load);
        SetCalcDoc(&presets);
        SetAppendixDoc(&appendix);
        presets.SetFlightDate(21, 6, 2025);
        view.SetPlane(&plane);
        route.SetTitle("Test.way");
    }
    ~CourseViewTest() override {
        SetAppendixDoc(nullptr);
        SetCalcDoc(nullptr);
        SetLoadDoc(nullptr);
        SetMetDoc(nullptr);
        SetDimDoc(nullptr);
    }

    void allWinds(int direction, int speed) {
        for (int layer = 0; layer < 4; ++layer) met.SetLayerWind(layer, direction, speed);
    }

    // The screen form, measured and drawn.
    Drawing screen(RecordingCanvas& canvas) {
        view.MeasureForScreen(canvas);
        canvas.ClearLog();
        view.OnPrepareDC(canvas);
        view.SetDrawing(true);
        view.OnDraw(canvas);
        return Drawing(view, canvas);
    }
};

// ---- the rows ---------------------------------------------------------------------------------------

TEST_F(CourseViewTest, ScreenRowShowsTheLegWindCorrectionAndVariation) {
    allWinds(360, 20);
    route.Append(wayPoint("Start", "STRT", 0, 0, 1000));
    route.Append(wayPoint("Ziel", "ZIEL", 0, 1, 3000, -3));
    RecordingCanvas canvas;
    const Drawing d = screen(canvas);

    EXPECT_TRUE(d.Has("Datei: Test.way   Flugzeug: D-EVIW"));
    EXPECT_TRUE(d.Has("Datum: 21.06.2025"));
    for (const char* heading : {"Ort", "W / S", "Luv", "Var", "Vg", "RWK", "Dist", "Höhe", "Krs", "Zeit"})
        EXPECT_TRUE(d.Has(heading)) << heading;
    EXPECT_FALSE(d.Has("ETO"));

    const int start = d.RowOf("Start (STRT)");
    EXPECT_EQ(d.Cell(start, kColAltitude), " 1000");
    EXPECT_EQ(d.Cell(start, kColDistance), "");

    const int y = d.RowOf("Ziel (ZIEL)");
    ASSERT_NE(y, 1);
    EXPECT_EQ(d.Cell(y, kColWind), "360/20");
    EXPECT_EQ(d.Cell(y, kColWca), "-12");
    EXPECT_EQ(d.At(y, view.ColumnEdge(kColVar) - view.ColumnGap()), "  3");
    EXPECT_EQ(d.Cell(y, kColVar), "W");
    EXPECT_EQ(d.Cell(y, kColGroundSpeed), " 98");
    EXPECT_EQ(d.Cell(y, kColCourse), "090");
    EXPECT_EQ(d.Cell(y, kColDistance), "   60");
    EXPECT_EQ(d.Cell(y, kColAltitude), " 3000");
    EXPECT_EQ(d.Cell(y, kColHeading), "081");  // 093 magnetic, 12 degrees into the wind
    EXPECT_EQ(d.Find(y, view.ColumnEdge(kColHeading))->weight, 700);
    EXPECT_EQ(d.Cell(y, kColTime), "  37");  // floor(60 x 60 / 97.98 + 1)

    const std::vector<int> totals = d.TotalRows();
    ASSERT_EQ(totals.size(), 1u);
    EXPECT_EQ(d.Cell(totals[0], kColDistance), "   60");
    EXPECT_EQ(d.Cell(totals[0], kColTime), "0:37:00");
}

struct TimeCase {
    int16_t distanceUnit;
    const char* legTime;
    const char* legDistance;
    const char* total;
};

class LegTime : public CourseViewTest, public ::testing::WithParamInterface<TimeCase> {};

// A leg of 30 NM at 120 kt: 16 whole minutes, or 15:00 when the distances
// are in metres.
TEST_P(LegTime, ThirtyMilesAtOneHundredTwentyKnots) {
    const TimeCase& c = GetParam();
    units.m_nDistance = c.distanceUnit;
    plane.m_fCruiseSpeed = 120;
    route.Append(wayPoint("A", "", 0, 0, 1000));
    route.Append(wayPoint("B", "", 0.5, 0, 1000));
    RecordingCanvas canvas;
    const Drawing d = screen(canvas);
    const int y = d.RowOf("B");
    EXPECT_EQ(d.Cell(y, kColTime), c.legTime);
    EXPECT_EQ(d.Cell(y, kColDistance), c.legDistance);
    ASSERT_EQ(d.TotalRows().size(), 1u);
    EXPECT_EQ(d.Cell(d.TotalRows()[0], kColTime), c.total);
}

INSTANTIATE_TEST_SUITE_P(Units, LegTime,
                         ::testing::Values(TimeCase{DIM_NM, "  16", "   30", "0:16:00"},
                                           TimeCase{DIM_KM, "  16", "   56", "0:16:00"},
                                           TimeCase{DIM_METER, "15:00", "55560", "0:15:00"}));

TEST_F(CourseViewTest, RouteOfOneWaypointShowsItsAltitudeAndZeroTotals) {
    route.Append(wayPoint("Egelsbach", "EDFE", 49.96, 8.64, 500));
    RecordingCanvas canvas;
    const Drawing d = screen(canvas);
    const int y = d.RowOf("Egelsbach (EDFE)");
    EXPECT_EQ(d.Cell(y, kColAltitude), "  500");
    ASSERT_EQ(d.TotalRows().size(), 1u);
    EXPECT_EQ(d.Cell(d.TotalRows()[0], kColDistance), "    0");
    EXPECT_EQ(d.Cell(d.TotalRows()[0], kColTime), "0:00:00");
}

TEST_F(CourseViewTest, RouteTotalAfterTheDestinationGrandTotalAfterTheAlternates) {
    route.Append(wayPoint("A", "", 50, 8, 1000));
    route.Append(wayPoint("B", "", 50, 9, 1000));
    route.SetOption(RTE_ALTERNATES, true);
    route.SetAlternate(1, wayPoint("C", "", 50, 10, 1000));
    route.SetAlternate(2, wayPoint("D", "", 51, 10, 1000));
    RecordingCanvas canvas;
    const Drawing d = screen(canvas);
    const std::vector<int> totals = d.TotalRows();
    ASSERT_EQ(totals.size(), 2u);
    const int b = d.RowOf("B"), c = d.RowOf("C"), e = d.RowOf("D");
    EXPECT_LT(totals[0], b);  // y goes down
    EXPECT_GT(totals[0], c);
    EXPECT_LT(totals[1], e);
    auto number = [&](int y, int column) { return std::stoi(d.Cell(y, column)); };
    EXPECT_EQ(number(totals[0], kColDistance), number(b, kColDistance));
    EXPECT_EQ(number(totals[1], kColDistance),
              number(b, kColDistance) + number(c, kColDistance) + number(e, kColDistance));
    const int minutes = number(b, kColTime) + number(c, kColTime) + number(e, kColTime);
    EXPECT_EQ(d.Cell(totals[1], kColTime), strFormat("%d:%02d:00", minutes / 60, minutes % 60));
}

TEST_F(CourseViewTest, WithoutAircraftOnlyTheFirstLineAndTheTableHead) {
    view.SetPlane(nullptr);  // and no aircraft database
    route.Append(wayPoint("A", "", 50, 8, 1000));
    route.Append(wayPoint("B", "", 50, 9, 1000));
    RecordingCanvas canvas;
    const Drawing d = screen(canvas);
    EXPECT_TRUE(d.Has("Datei: Test.way   Flugzeug: Fehlt"));
    EXPECT_TRUE(d.Has("RWK"));
    EXPECT_EQ(d.RowOf("A"), 1);
    EXPECT_TRUE(d.TotalRows().empty());
}

TEST_F(CourseViewTest, LegThatCannotBeComputedShowsDashes) {
    allWinds(90, 60);
    plane.m_fCruiseSpeed = 50;
    route.Append(wayPoint("A", "", 50, 8, 1000));
    route.Append(wayPoint("B", "", 50, 9, 1000));
    route.Append(wayPoint("C", "", 1000, 1000, 1000));
    RecordingCanvas canvas;
    const Drawing d = screen(canvas);
    const int b = d.RowOf("B");
    for (int column : {kColWca, kColGroundSpeed, kColHeading, kColTime}) EXPECT_EQ(d.Cell(b, column), "–");
    EXPECT_EQ(d.Cell(b, kColCourse), "090");
    const int c = d.RowOf("C");
    EXPECT_EQ(d.Cell(c, kColCourse), "–");
    EXPECT_EQ(d.Cell(c, kColDistance), "–");
    ASSERT_EQ(d.TotalRows().size(), 1u);
    EXPECT_EQ(d.Cell(d.TotalRows()[0], kColTime), "–");
    EXPECT_EQ(d.Cell(d.TotalRows()[0], kColDistance), "–");
}

TEST_F(CourseViewTest, ClimbPointSharesTheFrameOfTheNextRow) {
    route.Append(wayPoint("A", "", 50, 8, 1000));
    route.Append(wayPoint("P", "", 50, 8.3, 4000));
    route.Append(wayPoint("B", "", 50, 9, 4000));
    route.Append(wayPoint("C", "", 50, 10, 1000));
    RecordingCanvas canvas;
    screen(canvas);
    EXPECT_EQ(rulesWithPen(canvas, view, "dot"), 3);
    CWayPoint p = route.GetWayPoint(1);
    p.SetMark(WPT_TOP_OF_CLIMB, true);
    route.ReplaceAt(1, p);
    RecordingCanvas again;
    const Drawing d = screen(again);
    EXPECT_EQ(rulesWithPen(again, view, "dot"), 2);
    EXPECT_EQ(d.Cell(d.RowOf("P"), kColCourse), "090");  // its row still has values
}

TEST_F(CourseViewTest, MinimumAltitudeWarningOncePerChangeOfTheRoute) {
    CWayPoint low = wayPoint("Hügel", "", 50, 8.5, 2500);
    low.SetElevation(2000);
    low.SetElevationUnit(DIM_FEET);  // pattern altitude 3000 ft
    route.Append(wayPoint("A", "", 50, 8, 1000));
    route.Append(low);
    route.Append(wayPoint("B", "", 50, 9, 1000));
    const std::string warning = "Die Sicherheitsmindesthöhe wird über »Hügel« nicht eingehalten!";
    RecordingCanvas canvas;
    view.MeasureForScreen(canvas);
    EXPECT_EQ(view.Warnings(), std::vector<std::string>{warning});
    view.MeasureForScreen(canvas);
    EXPECT_TRUE(view.Warnings().empty());
    view.OnRouteChanged();
    view.MeasureForScreen(canvas);
    EXPECT_EQ(view.Warnings(), std::vector<std::string>{warning});
    EXPECT_TRUE(prompt.Shown().empty());  // nothing was shown while laying out
}

TEST_F(CourseViewTest, LayoutFollowsLabelsHeaderAndWindLine) {
    route.Append(wayPoint("Frankfurt-Egelsb.", "EDFE", 50, 8, 1000));
    route.Append(wayPoint("Mitte", "MIT", 50, 8.5, 3000));
    route.Append(wayPoint("Freiburg", "EDTF", 50, 9, 1000));
    RecordingCanvas canvas;
    screen(canvas);
    const int g = view.ColumnGap();
    const int charWidth = view.BoldFont().height / 2;  // the recording canvas's metrics
    EXPECT_EQ(view.NameX(), view.GetLeftMargin() + g);
    // The widest label is a long one: "Frankfurt-Egelsb. (EDFE)".
    const int nameEnd = view.NameX() + 24 * charWidth;
    EXPECT_EQ(view.ColumnEdge(kColWind), nameEnd + g + 5 * charWidth);
    EXPECT_EQ(view.ColumnEdge(kColWca), view.ColumnEdge(kColWind) + g + 3 * charWidth);
    EXPECT_EQ(view.ColumnEdge(kColVar), view.ColumnEdge(kColWca) + 2 * g + 3 * charWidth);
    EXPECT_EQ(view.GetRuleEndX(), view.ColumnEdge(kColTime) + g);
    EXPECT_EQ(view.GetPageWidth(), view.GetRuleEndX() - view.GetLeftMargin());

    // A first line wider than the table moves every column but the names.
    const int timeEdge = view.ColumnEdge(kColTime);
    route.SetTitle(std::string(80, 'x') + ".way");
    RecordingCanvas wide;
    screen(wide);
    const int headerEnd =
        view.NameX() + static_cast<int>(view.FileLineText().size() + view.DateText().size()) * charWidth;
    EXPECT_EQ(view.GetRuleEndX(), headerEnd);
    EXPECT_EQ(view.ColumnEdge(kColTime), timeEdge + (headerEnd - (timeEdge + g)));
    EXPECT_EQ(view.NameX(), view.GetLeftMargin() + g);
}

TEST_F(CourseViewTest, NarrowTableMovesColumnsForTheWindLineOfTheAppendix) {
    route.Append(wayPoint("A", "", 50, 8, 1000));
    route.Append(wayPoint("B", "", 50, 9, 1000));
    route.SetTitle("t");
    plane.m_strName = "p";
    RecordingCanvas canvas;
    screen(canvas);
    const int g = view.ColumnGap();
    const int cw = view.BoldFont().height / 2;
    // Unshifted, the name column is 4 gaps wide and the table ends here:
    int edge = view.NameX() + 4 * g;
    const int unshiftedWind = edge + g + 5 * cw;
    edge = unshiftedWind + g + 3 * cw + 2 * g + 3 * cw;        // Luv, Var
    for (int chars : {2, 3, 4, 4, 3}) edge += g + chars * cw;  // Vg, RWK, Dist, Höhe, Krs
    const int unshiftedTime = edge + g + 4 * cw;
    const int windEnd = view.WindUnitX() + g + 9 * cw;  // "[Grad/kt]"
    const int excess = windEnd - (unshiftedTime + g);
    ASSERT_GT(excess, 0);
    const int e = static_cast<int>((excess + g) * 0.125);
    EXPECT_EQ(view.ColumnEdge(kColWind), unshiftedWind + e);
    EXPECT_EQ(view.ColumnEdge(kColTime), unshiftedTime + 8 * e);
    EXPECT_EQ(view.GetRuleEndX(), unshiftedTime + 8 * e + g);
}

// ---- the appendix --------------------------------------------------------------------------------------

TEST_F(CourseViewTest, AppendixShowsWindsFuelSunsetAndTexts) {
    met.SetLayerWind(0, 250, 10);
    met.SetLayerWind(1, 260, 15);
    met.SetLayerWind(2, 270, 20);
    met.SetLayerWind(3, 280, 25);
    units.m_nWind = DIM_KMH;
    appendix.m_bWithWinds = appendix.m_bWithFuel = appendix.m_bWithSunset = 1;
    appendix.m_bWithText[1] = 1;
    appendix.SetText(1, "Flugleiter: Tel. 06103 4089");
    route.Append(wayPoint("Egelsbach", "EDFE", 49.96, 8.64, 1000));
    route.Append(wayPoint("Freiburg", "EDTF", 48.02, 7.83, 4500));
    RecordingCanvas canvas;
    const Drawing d = screen(canvas);

    EXPECT_TRUE(d.Has("Höhenwinde in:"));
    for (const char* label : {"1500 ft", "3000 ft", "5000 ft", "10000 ft"})
        EXPECT_TRUE(d.Has(label)) << label;
    EXPECT_TRUE(d.Has("250/19"));  // 10 kt is 18.5 km/h
    EXPECT_TRUE(d.Has("280/46"));
    EXPECT_TRUE(d.Has("[Grad/km/h]"));

    const CRouteResults& r = route.GetCalc().GetResults();
    ASSERT_TRUE(r.m_bComputed);
    const FuelPlan& f = r.m_Performance.fuel;
    const double trip = std::floor((f.tripFuel + f.taxiFuel + f.approachFuel) * 10 + 0.5) / 10;
    const double reserve = std::floor(f.reserveFuel * 10 + 0.5) / 10;
    EXPECT_GT(trip, 0);
    EXPECT_TRUE(d.Has(strFormat("Treibstoffverbrauch [%s]  Flug: %5.1f  Reserve: %5.1f  Gesamt: %5.1f",
                                UnitName(DIM_LITER), trip, reserve, trip + reserve)));

    const SunTimes sun = ComputeSunTimes(DayOfYear(21, 6, 2025), 48.02, 7.83);
    ASSERT_EQ(sun.kind, SunKind::Normal);
    EXPECT_TRUE(d.Has(strFormat("Sonnenuntergang in Freiburg: %02d:%02d:%02d UTC", sun.set.hours,
                                sun.set.minutes, sun.set.seconds)));
    EXPECT_TRUE(d.Has("Flugleiter: Tel. 06103 4089"));
    EXPECT_FALSE(d.Has(""));
}

TEST_F(CourseViewTest, MissingLeverArmsReplaceTheAppendix) {
    appendix.m_bWithFuel = 1;
    LoadValues values = load.GetValues();
    values.seat[1] = 80;
    load.SetValues(values);
    plane.m_fBaggageArm[0] = ArmMarker(plane.m_nLoadArmUnit);
    route.Append(wayPoint("A", "", 50, 8, 1000));
    route.Append(wayPoint("B", "", 50, 9, 1000));
    RecordingCanvas canvas;
    const Drawing d = screen(canvas);
    EXPECT_EQ(d.Cell(d.RowOf("B"), kColCourse), "090");  // the table is complete
    EXPECT_TRUE(d.Has("Sie haben die 2. Sitzreihe beladen, aber dafür keinen Hebelarm definiert!"));
    EXPECT_TRUE(d.Has("Sie haben das 1. Gepäckfach beladen, aber dafür keinen Hebelarm definiert!"));
    for (const TextItem& t : d.Items()) EXPECT_EQ(t.text.find("Treibstoffverbrauch"), std::string::npos);
}

// ---- printing ------------------------------------------------------------------------------------------

TEST_F(CourseViewTest, LongRoutePrintsOnSeveralPagesWithRunningTotals) {
    for (int i = 0; i < 100; ++i) {
        CWayPoint wp = wayPoint(strFormat("WP%02d", i), "", 48 + 0.1 * (i % 2), 7 + 0.08 * i, 3500);
        wp.SetFrequency(i % 3 == 0 ? 115.45 : 0);
        wp.SetElevation(400 + i);
        wp.SetElevationUnit(DIM_FEET);
        route.Append(wp);
    }
    DeviceInfo device = RecordingCanvas::DefaultDevice();
    device.printing = true;
    RecordingCanvas canvas(device);
    view.OnPreparePrinting();
    view.OnPrepareDC(canvas);
    const int pages = view.GetPageCount();
    ASSERT_GE(pages, 3);

    int sum = 0;
    std::vector<std::string> names;
    std::string total;
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        canvas.ClearLog();
        view.PreparePrintPage(canvas);
        view.OnPrint(canvas, page);
        const Drawing d(view, canvas);
        EXPECT_TRUE(d.Has(">>>   N a v o r a   <<<"));
        EXPECT_TRUE(d.Has("Flug: WP00 - WP99"));
        EXPECT_TRUE(d.Has("Datei: Test.way   Flugzeug: D-EVIW"));
        for (const char* heading :
             {"Ort", "Freq", "H.Min", "Vg", "RWK", "Dist", "Höhe", "Krs", "Zeit", "ETO", "ATO"})
            EXPECT_TRUE(d.Has(heading)) << heading;
        EXPECT_FALSE(d.Has("W / S"));
        EXPECT_TRUE(d.Has(strFormat("Seite %d", page)));
        for (const TextItem& t : d.Items()) {
            if (t.x != view.NameX() || t.text.rfind("WP", 0) != 0) continue;
            names.push_back(t.text);
            const std::string dist = d.Cell(t.y, kColDistance);
            if (!dist.empty()) sum += std::stoi(dist);
        }
        if (page == pages) {
            ASSERT_EQ(d.TotalRows().size(), 1u);
            total = d.Cell(d.TotalRows()[0], kColDistance);
        } else {
            EXPECT_TRUE(d.TotalRows().empty());
        }
    }
    // Every row once, in order, and the total counts the rows of every page.
    ASSERT_EQ(names.size(), 100u);
    EXPECT_EQ(names.front(), "WP00");
    EXPECT_EQ(names[45], "WP45");
    EXPECT_EQ(names.back(), "WP99");
    EXPECT_EQ(std::stoi(total), sum);
}

TEST_F(CourseViewTest, PrintedRowsShowFrequencyAndMinimumAltitude) {
    CWayPoint start = wayPoint("Egelsbach", "EDFE", 49.96, 8.64, 1000);
    start.SetFrequency(130.9);
    start.SetElevation(118);
    start.SetElevationUnit(DIM_METER);  // 387.1 ft
    route.Append(start);
    CWayPoint middle = wayPoint("Mitte", "", 49.5, 8.5, 3500);
    middle.SetElevation(880);
    middle.SetElevationUnit(DIM_FEET);  // + 1000 ft
    route.Append(middle);
    route.Append(wayPoint("Ohne", "", 49, 8.4, 3500));  // no elevation
    DeviceInfo device = RecordingCanvas::DefaultDevice();
    device.printing = true;
    RecordingCanvas canvas(device);
    view.OnPreparePrinting();
    view.OnPrepareDC(canvas);
    ASSERT_EQ(view.GetPageCount(), 1);
    canvas.ClearLog();
    view.PreparePrintPage(canvas);
    view.OnPrint(canvas, 1);
    const Drawing d(view, canvas);
    const int a = d.RowOf("Egelsbach (EDFE)");
    EXPECT_EQ(d.Cell(a, kColFreq), "130.900");
    EXPECT_EQ(d.Cell(a, kColMinAlt), "  387");
    EXPECT_EQ(d.Cell(d.RowOf("Mitte"), kColMinAlt), " 1880");
    EXPECT_EQ(d.Cell(d.RowOf("Ohne"), kColMinAlt), "?");
    EXPECT_FALSE(d.Has("Seite 1"));  // one page has no footer
    // The time boxes of the departure are crossed out with two dotted lines.
    int diagonals = 0;
    for (const std::string& line : canvas.Log())
        if (line.rfind(strFormat("line %d,", view.ColumnEdge(kColTime) + view.ColumnGap()), 0) == 0 &&
            line.find(strFormat(" %d,", view.ColumnEdge(kColEto) + view.ColumnGap())) != std::string::npos &&
            line.find("pen=dot") != std::string::npos)
            ++diagonals;
    EXPECT_EQ(diagonals, 2);
}

// ---- the text form -------------------------------------------------------------------------------------

// The text the command-line tool prints holds the numbers the printed view
// draws, row by row.
TEST_F(CourseViewTest, TextTableHasTheNumbersOfThePrintedRows) {
    allWinds(230, 25);
    route.Append(wayPoint("Egelsbach", "EDFE", 49.96, 8.64, 1000));
    route.Append(wayPoint("Mitte", "", 49.2, 8.1, 4500, 2));
    route.Append(wayPoint("Freiburg", "EDTF", 48.02, 7.83, 3500, 1));
    route.SetOption(RTE_ALTERNATES, true);
    route.SetAlternate(1, wayPoint("Bremgarten", "EDTG", 47.9, 7.6, 3000));
    const std::vector<std::string> text = view.TextTable(true);
    EXPECT_EQ(text.front(), "Datei: Test.way   Flugzeug: D-EVIW");

    DeviceInfo device = RecordingCanvas::DefaultDevice();
    device.printing = true;
    RecordingCanvas canvas(device);
    view.OnPreparePrinting();
    view.OnPrepareDC(canvas);
    canvas.ClearLog();
    view.PreparePrintPage(canvas);
    view.OnPrint(canvas, 1);
    const Drawing d(view, canvas);
    auto words = [](const std::string& s) {
        std::vector<std::string> out;
        std::istringstream in(s);
        for (std::string w; in >> w;) out.push_back(w);
        return out;
    };
    for (const char* label : {"Egelsbach (EDFE)", "Mitte", "Freiburg (EDTF)", "Bremgarten (EDTG)"}) {
        SCOPED_TRACE(label);
        const int y = d.RowOf(label);
        ASSERT_NE(y, 1);
        std::vector<std::string> drawn = words(label);
        for (int c = kColName + 1; c < kCourseColumns; ++c)
            if (CourseColumnShown(c, true))
                for (const std::string& w : words(d.Cell(y, c))) drawn.push_back(w);
        const auto line = std::find_if(text.begin(), text.end(),
                                       [&](const std::string& l) { return l.rfind(label, 0) == 0; });
        ASSERT_NE(line, text.end());
        EXPECT_EQ(words(*line), drawn);
    }
}

}  // namespace

namespace {

// Every demo route lays out on the screen and on paper: every waypoint and
// alternate has its row, the totals follow, and no value is a NaN.
class DemoRouteLog : public CourseViewTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DemoRouteLog, LaysOutOnScreenAndPaper) {
    allWinds(260, 18);
    ASSERT_EQ(route.ReadQuietly(std::string(NAVORA_SOURCE_DIR) + "/demo/" + GetParam()), "");
    std::vector<std::string> labels;
    const int n = route.GetCount();
    for (int i = 0; i < n; ++i) {
        const CWayPoint wp = route.GetWayPoint(i);
        labels.push_back(i == 0 || i == n - 1 ? CourseLongLabel(wp) : wp.ShownText());
    }
    int alternates = 0;
    for (int which = 1; which <= 2 && route.HasOption(RTE_ALTERNATES); ++which) {
        CWayPoint alternate;
        if (route.GetAlternate(which, alternate) && alternate.IsValidLocation()) {
            labels.push_back(CourseLongLabel(alternate));
            ++alternates;
        }
    }

    RecordingCanvas screenCanvas;
    DeviceInfo device = RecordingCanvas::DefaultDevice();
    device.printing = true;
    RecordingCanvas paper(device);
    view.OnPreparePrinting();
    view.OnPrepareDC(paper);
    ASSERT_EQ(view.GetPageCount(), 1);
    paper.ClearLog();
    view.PreparePrintPage(paper);
    view.OnPrint(paper, 1);
    const Drawing printed(view, paper);
    const Drawing shown = screen(screenCanvas);
    for (const Drawing* d : {&shown, &printed}) {
        for (const std::string& label : labels) EXPECT_NE(d->RowOf(label), 1) << label;
        EXPECT_EQ(d->TotalRows().size(), alternates > 0 ? 2u : 1u);
        for (const TextItem& t : d->Items()) {
            EXPECT_EQ(t.text.find("nan"), std::string::npos) << t.text;
            EXPECT_EQ(t.text.find("inf"), std::string::npos) << t.text;
        }
    }
    EXPECT_GT(view.GetExtentHeight(), 0);
    EXPECT_EQ(view.GetExtentWidth(), view.GetRuleStartX() + view.GetRuleEndX());
}

INSTANTIATE_TEST_SUITE_P(Demo, DemoRouteLog,
                         ::testing::Values("EDFE-EDTF.way", "EDFE-LSZB.way", "EDFE-EDDH.way"));

}  // namespace

namespace {

// An appendix that no longer fits under the table goes to a page of its own,
// which repeats the first line but neither the table head nor the totals.
TEST_F(CourseViewTest, AppendixThatDoesNotFitTakesThePageAfterTheTable) {
    appendix.m_bWithWinds = appendix.m_bWithSunset = 1;
    appendix.m_bWithText = {1, 1, 1};
    route.SetOption(RTE_ALTERNATES, true);
    route.SetAlternate(1, wayPoint("Ausweich", "", 48.5, 9.5, 3000));
    DeviceInfo device = RecordingCanvas::DefaultDevice();
    device.printing = true;
    RecordingCanvas canvas(device);
    auto pages = [&] {
        view.OnPreparePrinting();
        view.OnPrepareDC(canvas);
        return view.GetPageCount();
    };
    // Add waypoints until the table still fits on one page but the appendix does not.
    int count = 0;
    while (count < 60) {
        route.Append(wayPoint(strFormat("P%02d", count), "", 48, 7 + 0.1 * count, 3500));
        ++count;
        appendix.m_bWithWinds = 0;
        appendix.m_bWithSunset = 0;
        appendix.m_bWithText = {0, 0, 0};
        const int without = pages();
        appendix.m_bWithWinds = appendix.m_bWithSunset = 1;
        appendix.m_bWithText = {1, 1, 1};
        if (without == 1 && pages() == 2) break;
    }
    ASSERT_LT(count, 60);
    canvas.ClearLog();
    view.PreparePrintPage(canvas);
    view.OnPrint(canvas, 1);
    const Drawing first(view, canvas);
    EXPECT_FALSE(first.Has("Höhenwinde in:"));
    EXPECT_EQ(first.TotalRows().size(), 2u);

    canvas.ClearLog();
    view.OnPrint(canvas, 2);
    const Drawing second(view, canvas);
    EXPECT_TRUE(second.Has("Datei: Test.way   Flugzeug: D-EVIW"));
    EXPECT_TRUE(second.Has("Höhenwinde in:"));
    EXPECT_TRUE(second.Has("Seite 2"));
    EXPECT_FALSE(second.Has("RWK"));
    EXPECT_TRUE(second.TotalRows().empty());
}

}  // namespace
