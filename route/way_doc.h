#pragma once
// The route document: the ordered waypoints from the departure airfield to
// the destination, two alternate aerodromes, the hand-edited flight-plan
// texts, the active waypoint and the route options, with the route file
// ".way" and what happens on new, open and save.
//
// Every part of the program reads and changes a route only through the
// operations below. They change the data and the modified flag but notify
// nobody: whoever changes a route calls UpdateAllViews when done. (The
// flight log computation writes its values back while the views draw, and
// such write-backs must not make the views draw again.)
//
// Route file (little-endian):
//    0  14 bytes  magic with NUL, "VX WAY 4.00  " for the current version 6
//   14  uint8     route options (RTE_*)
//   15  uint8     reserved, 0
//   16  int16     number of waypoints N
//   18  int16     reserved, 0
//   20  N x 146   waypoint records
//       532       flight-plan block
//       2 x 146   alternates 1 and 2, only with RTE_ALTERNATES
// Versions 1 to 4 have no count (it follows from the file length), no
// flight-plan block and no alternates; they are converted after a question
// and saved at once in the current version.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/latlon.h"
#include "platform/document.h"
#include "route/flight_plan_block.h"
#include "route/way_point.h"

class CArchive;
class CRouteCalc;

// Route options (the option byte of the file header).
enum : uint8_t {
    RTE_REVERSED = 0x01,       // "Rück&flug"
    RTE_CLIMB_DESCENT = 0x02,  // "&Höhenänderung"
    RTE_SEMICIRCLE = 0x04,     // "Halb&kreis (VFR)"
    RTE_GREAT_CIRCLE = 0x08,   // "&Großkreis"
    RTE_AUTOROUTE = 0x10,      // "&Wegpunkte"
    RTE_SAFE_ALTITUDE = 0x20,  // "&Sichere Flughöhen"
    RTE_ALTERNATES = 0x40,     // the alternates are stored in the route
};

class CWayDoc : public CDocument {
public:
    static constexpr size_t kHeaderSize = 20;
    static constexpr int kCurrentVersion = 6;
    static constexpr const char* kCurrentMagic = "VX WAY 4.00  ";
    // The file counts waypoints in an int16.
    static constexpr int kMaxWayPoints = 32767;
    // The window title and file name of a route that has none yet.
    static constexpr const char* kDefaultTitle = "KeinName";
    // The filter of the file choosers.
    static constexpr const char* kFileFilter = "Way Files (*.way)";

    CWayDoc();
    ~CWayDoc() override;

    // ---- waypoints (index from 0) -------------------------------------------------
    int GetCount() const { return static_cast<int>(m_WayPoints.size()); }
    // A copy of waypoint `index`; false when the index is out of range.
    bool GetAt(int index, CWayPoint& wp) const;
    // A copy of waypoint `index`; a new waypoint when the index is out of range.
    CWayPoint GetWayPoint(int index) const;
    // The packed record of waypoint `index` (index must be in range).
    const PackedWayPoint& GetPacked(int index) const { return m_WayPoints[static_cast<size_t>(index)]; }
    // Adds a packed copy at the end. False when the route is full.
    bool Append(const CWayPoint& wp);
    // Inserts before `index` (0..count); an active index >= index moves up
    // by one. False for an index out of range or a full route.
    bool InsertAt(int index, const CWayPoint& wp);
    // Overwrites the packed record. False for an index out of range.
    bool ReplaceAt(int index, const CWayPoint& wp);
    // Overwrites the packed record as given, for code that edits fixed
    // fields of many records in place. False for an index out of range.
    bool ReplacePacked(int index, const PackedWayPoint& packed);
    // Deletes waypoint `index`. An active index >= index moves down by one,
    // and becomes 0 when it turns negative while waypoints remain. False for
    // an index out of range.
    bool RemoveAt(int index);

    // ---- active waypoint -------------------------------------------------------------
    // -1 when there is none.
    int GetActive() const { return m_nActive; }
    // Makes waypoint `index` (-1: none) the active one and clears the map
    // centre of the settings. An index outside -1..count-1 changes nothing.
    void SetActive(int index);

    // ---- alternates, options, flight-plan texts ------------------------------------------------
    // Alternate 1 or 2 (in use while RTE_ALTERNATES is set). False for
    // another number.
    bool GetAlternate(int which, CWayPoint& wp) const;
    bool SetAlternate(int which, const CWayPoint& wp);
    bool HasOption(uint8_t option) const { return (GetOptions() & option) != 0; }
    // Switches an option on or off; a change marks the route modified.
    void SetOption(uint8_t option, bool on);
    uint8_t GetOptions() const { return m_Header[14]; }

    // The flight-plan texts the user edited by hand; setters cut them to
    // their fields and mark the route modified when they change it.
    const CFlightPlanBlock& GetFlightPlan() const { return m_FlightPlan; }
    bool IsFlightPlanManual() const { return m_FlightPlan.IsManual(); }
    void SetFlightPlanManual(bool manual);
    std::string GetFlightPlanSpeed() const { return m_FlightPlan.GetSpeed(); }
    void SetFlightPlanSpeed(const std::string& text);
    std::string GetFlightPlanRoute() const { return m_FlightPlan.GetRoute(); }
    void SetFlightPlanRoute(const std::string& text);
    // Alternate 1 or 2.
    std::string GetFlightPlanAlternate(int which) const { return m_FlightPlan.GetAlternate(which); }
    void SetFlightPlanAlternate(int which, const std::string& text);
    std::string GetFlightPlanOther() const { return m_FlightPlan.GetOther(); }
    void SetFlightPlanOther(const std::string& text);

    // ---- positions -------------------------------------------------------------------------
    // True when waypoint `index` or `index` + 1 lies less than 0.0001° from
    // `position` in both latitude and longitude.
    bool IsNear(int index, const CLatLon& position) const;
    // The smallest box holding every waypoint with a valid position and,
    // with `withStations`, the positions of their radio-bearing stations.
    // False when there is no such position.
    bool GetBounds(LatLonBox& box, bool withStations) const;
    // The names of the first and last waypoint; false without waypoints.
    bool GetRouteEnds(std::string& first, std::string& last) const;
    // "Flug: first - last" for page headers; empty without waypoints.
    std::string GetRouteText() const;

    // ---- state -------------------------------------------------------------------------------
    // The last read converted an older file (cleared by a successful save).
    bool IsConverted() const { return m_bConverted; }
    // Whether a new route starts at the home airfield (set again by every
    // new route; the airspace editor clears it for the one route it makes).
    bool GetHomeAirfieldFlag() const { return m_bHomeAirfield; }
    void SetHomeAirfieldFlag(bool on) { m_bHomeAirfield = on; }
    // The route computation; there always is one.
    CRouteCalc& GetCalc() const { return *m_pCalc; }
    // The 20-byte header as it is written (with the count of the last
    // write or read).
    const std::array<uint8_t, kHeaderSize>& GetHeader() const { return m_Header; }
    // Version (1..6) of the last file read; 0 when none or not a route file.
    int GetFileVersion() const { return m_nFileVersion; }
    // The version of a header magic (the text up to its NUL); 0 when it
    // matches none.
    static int VersionOfMagic(const std::string& magic);

    // ---- file ---------------------------------------------------------------------------------
    // Writes the route (always the current version), or reads it: older
    // versions after the question whether to convert them (No, and headers
    // of no route file, show "Flugstrecke kann nicht eingelesen werden." and
    // leave the route empty). Throws ArchiveError for a file that ends early
    // or counts more waypoints than it holds.
    void Serialize(CArchive& ar);
    // Reads a route file without asking or writing anything and without
    // looking at the location database beyond the names of the oldest
    // versions (for tools). Returns an empty text on success, else the
    // reason.
    std::string ReadQuietly(const std::string& path);

    // Empties the route: current header without options, no waypoints, an
    // empty flight-plan block, no alternates, no active waypoint, a new
    // computation; the flight plan form goes back to automatic.
    void DeleteContents();
    // A new route ("KeinName") that starts at the home airfield, whose
    // planned altitude is the airfield's elevation.
    bool OnNewDocument();
    // Reads a route file, refreshes its waypoints from the location database
    // (asking for each one whose data differ), saves a converted or
    // refreshed route at once, and updates the views. A file that cannot be
    // read shows the open-error message and fails; no file is changed.
    bool OnOpenDocument(const std::string& path);
    // Writes the route atomically; a failure shows the save-error message and
    // leaves the previous file. A successful save clears the modified flag
    // and beeps when the settings ask for it.
    bool OnSaveDocument(const std::string& path);

    // ---- the file commands ------------------------------------------------------------------
    // "&Speichern": saves to the route's path, or runs "Speichern &unter..."
    // when it has none. True when saved.
    bool DoFileSave();
    // "Speichern &unter...": asks for a path (".way" is added when the name
    // has no extension) and saves there; the route takes the path. Views are
    // updated when the path changed. True when saved.
    bool DoSaveAs();
    // Saves when modified: asking first ("Datei »%s« wurde verändert. Soll
    // die Änderung gespeichert werden?", Yes/No) when `ask` is set; any
    // answer but Yes clears the modified flag and returns false. Otherwise
    // saves to `path`, or with an empty path runs "Speichern &unter..." and
    // returns whether the route is no longer modified.
    virtual bool SaveModified(const std::string& path, bool ask);
    // Before the route is closed or replaced: when modified, asks the same
    // question with "Ja", "Nein" and "Abbrechen". Yes saves (a failed or
    // cancelled save keeps the route), No drops the changes, Abbrechen
    // keeps the route. True when the route may go.
    bool QuerySaveModified();
    // "&Neu": after QuerySaveModified, a new route; views are updated.
    bool NewRoute();
    // "Ö&ffnen...", recent files, dropped files and the command line: after
    // QuerySaveModified, opens `path`. When the file cannot be read the
    // route becomes a new one. Returns false only when the file could not be
    // read (a route kept at the user's wish counts as success).
    bool OpenRoute(const std::string& path);

private:
    enum class ReadMode { Ask, Quiet };
    enum class ReadResult { Read, Declined };

    ReadResult Load(CArchive& ar, ReadMode mode);
    void Store(CArchive& ar);
    void ResetHeader();
    void ApplyReadTransforms();
    bool RefreshFromDatabase();
    void MarkModified() { SetModifiedFlag(true); }

    std::array<uint8_t, kHeaderSize> m_Header{};
    std::vector<PackedWayPoint> m_WayPoints;
    CFlightPlanBlock m_FlightPlan;
    CWayPoint m_Alternates[2];
    int16_t m_nActive = -1;
    bool m_bConverted = false;
    bool m_bHomeAirfield = true;
    int m_nFileVersion = 0;
    std::unique_ptr<CRouteCalc> m_pCalc;
};

// The route of the running program (nullptr when there is none).
CWayDoc* theWayDoc();
void SetWayDoc(CWayDoc* doc);
