#pragma once
// The long-lived documents of the program: created once at start-up in a
// fixed order, reachable for the whole run and deleted in a fixed order at
// shut-down.
//
// The documents of subsystems that are not part of the program yet are plain
// CDocument slots that carry their file paths; each is replaced by its own
// class when that subsystem arrives.

#include <memory>
#include <string>

#include "aircraft/met_doc.h"
#include "aircraft/plane_doc.h"
#include "core/init_doc.h"
#include "locations/loc_doc.h"
#include "platform/document.h"

class CDocumentSet {
public:
    // Creates the documents in this order: settings, location database,
    // aircraft database, terrain grid, profile index, sea colour table,
    // flight colour table, weather, track, flight-plan data ("FlPlDoc.ini"),
    // scanned-map catalogue ("ScanMaps.scm"). Makes the settings, location
    // database, aircraft database and weather the current ones (theInitDoc,
    // theLocDoc, thePlaneDoc, theMetDoc).
    explicit CDocumentSet(const std::string& programDirectory = std::string());
    // Deletes weather, location database, aircraft database, terrain grid,
    // profile index, both colour tables, track, flight-plan data, scanned-map
    // catalogue and, last, the settings; clears every global set from here.
    ~CDocumentSet();
    CDocumentSet(const CDocumentSet&) = delete;
    CDocumentSet& operator=(const CDocumentSet&) = delete;

    CInitDoc& Init() { return *init_; }
    CLocDoc& Loc() { return *loc_; }
    CPlaneDoc& Plane() { return *plane_; }
    CDocument& Elev() { return *elev_; }
    CDocument& ElevArray() { return *elevArray_; }
    // Kind 1: sea colours, kind 2: flight colours.
    CDocument& ElevColor(int kind) { return kind == 2 ? *flightColor_ : *seaColor_; }
    CMetDoc& Met() { return *met_; }
    CDocument& Track() { return *track_; }
    CDocument& FlightPlan() { return *flightPlan_; }
    CDocument& ScanMap() { return *scanMap_; }

    // Makes the settings' font, units, load, computation presets and
    // appendix the current ones (theFontDoc() ...). Runs after the splash
    // screen has loaded the data.
    void PublishSettingsSubDocuments();

    // The name of the flight-plan data file in the program directory.
    static constexpr const char* kFlightPlanFile = "FlPlDoc.ini";

private:
    std::unique_ptr<CInitDoc> init_;
    std::unique_ptr<CLocDoc> loc_;
    std::unique_ptr<CPlaneDoc> plane_;
    std::unique_ptr<CDocument> elev_;
    std::unique_ptr<CDocument> elevArray_;
    std::unique_ptr<CDocument> seaColor_;
    std::unique_ptr<CDocument> flightColor_;
    std::unique_ptr<CMetDoc> met_;
    std::unique_ptr<CDocument> track_;
    std::unique_ptr<CDocument> flightPlan_;
    std::unique_ptr<CDocument> scanMap_;
    bool published_ = false;
};

// The document set of the running program (nullptr before start-up and
// after shut-down).
CDocumentSet* theDocumentSet();
