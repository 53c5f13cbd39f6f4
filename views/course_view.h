#pragma once
// The flight log ("Kurs + Zeit"): one row per waypoint and per alternate
// with wind, wind correction, variation (screen) or frequency and minimum
// altitude (print), ground speed, true course, distance, altitude, magnetic
// heading and time of the leg that ends there; the route total after the
// destination, the grand total after the alternates, and the summary
// appendix when the appendix settings ask for one.
//
// Every pass runs the route computation again for the current aircraft,
// the weather and the load. The running totals of distance and time go on
// from page to page when printing.
//
// A waypoint below its minimum altitude is reported once per change of the
// route (OnRouteChanged), through the prompt during a screen pass; the text
// view framework turns it into a warning shown after the update.

#include <array>
#include <string>
#include <vector>

#include "views/course_view_rows.h"
#include "views/route_text_view.h"

class CPlane;
class CWayDoc;
class CMetDoc;
class CLoadDoc;
class CAppendixDoc;

class CCourseView : public CRouteTextView {
public:
    // The route to show; nullptr shows the current route (theWayDoc()).
    explicit CCourseView(CWayDoc* route = nullptr);

    // The route changed: warnings are shown again on the next update.
    void OnRouteChanged() { m_Reported.clear(); }

    // ---- the text view ----------------------------------------------------------------
    void CreateViewFonts(Canvas& dc) override;
    void PrepareDC(Canvas& dc) override;
    int Body(Canvas& dc, int& startRow, int& y, int printing, int drawing) override;

    // ---- layout (after PrepareDC) ------------------------------------------------------
    // x of the name column and the right edge of every other column of
    // the form laid out last (0 for a column the form does not have).
    int NameX() const { return m_nNameX; }
    int ColumnEdge(int column) const { return m_nEdge[static_cast<size_t>(column)]; }
    // The right edges of the four wind layers of the appendix and the x of
    // its unit text.
    int WindEdge(int layer) const { return m_nWindEdge[static_cast<size_t>(layer)]; }
    int WindUnitX() const { return m_nWindUnitX; }

    // ---- the same table as text ---------------------------------------------------------
    // The log as lines of text in the columns of the printed (or screen)
    // form, with the running totals and the appendix; runs the computation
    // like a pass of the view. No date, so the text depends only on the
    // route, the aircraft and the settings.
    std::vector<std::string> TextTable(bool printForm);

    // "Datei: %s   Flugzeug: %s" and "Datum: %02d.%02d.%04d" of the first line.
    std::string FileLineText() const;
    std::string DateText() const;

private:
    // The numbers (1, 2) of the alternates that get a row.
    std::vector<int> RowAlternates() const;
    int RowCount() const;
    void LayoutColumns(Canvas& dc, bool print);

    void DrawTableHead(Canvas& dc, int& y, int& lastRule, bool print);
    // Vertical lines at the rule start and end from the last rule down to
    // the rule at y, then the rule itself (solid or dotted).
    void CloseBox(Canvas& dc, int y, int lastRule, bool solid, bool print, bool crossed);
    void DrawCells(Canvas& dc, int y, const CourseRowText& row, bool print);
    void DrawTotal(Canvas& dc, int& y, int& lastRule, bool print);
    // Returns 1 when the appendix does not fit on the page any more.
    int DrawAppendix(Canvas& dc, int& y, const CPlane& plane);
    void DrawMissingArms(Canvas& dc, int& y, const CPlane& plane, const CLoadDoc& load);
    void Report(const std::string& message);

    int m_nNameX = 0;
    std::array<int, kCourseColumns> m_nEdge{};
    std::array<int, 4> m_nWindEdge{};
    int m_nWindUnitX = 0;
    CourseRunning m_Running;
    std::vector<std::string> m_Reported;
};
