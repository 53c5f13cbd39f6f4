#pragma once
// The flight log computation of a route. The route document owns one and
// replaces it by a new one whenever its contents are deleted (new route,
// opening a route), so a computation never outlives the waypoints it was
// made for.

#include <memory>

class CWayDoc;

class CRouteCalc {
public:
    explicit CRouteCalc(CWayDoc& doc) : m_pDoc(&doc) {}
    virtual ~CRouteCalc() = default;
    CRouteCalc(const CRouteCalc&) = delete;
    CRouteCalc& operator=(const CRouteCalc&) = delete;

    CWayDoc& GetDoc() const { return *m_pDoc; }

private:
    CWayDoc* m_pDoc;
};

// Makes the computation of a route document (called by the document).
std::unique_ptr<CRouteCalc> CreateRouteCalc(CWayDoc& doc);
