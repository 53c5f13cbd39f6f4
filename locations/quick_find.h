#pragma once
// The name index over the active regions. It owns the region list (stored
// in the settings file), scans the program directory for region files, and
// builds two lists from the locations of all active regions: the name list
// for lookup and completion by name or ident, and the position list for the
// locations inside a box.
//
// A hit is turned into a full location through the index's own copy of its
// region, loaded while the index is built: lookups never replace the region
// that the location database document (and the location editor) holds.

#include <memory>
#include <string>
#include <vector>

#include "locations/lalo_list.h"
#include "locations/location.h"
#include "locations/name_list.h"
#include "locations/region_list.h"
#include "platform/document.h"

class CArchive;
class CInitDoc;
class CLocDoc;

class CQuickFind : public CDocument {
public:
    CQuickFind();
    ~CQuickFind() override;

    CRegionList& Regions() { return m_Regions; }
    const CRegionList& Regions() const { return m_Regions; }

    // The region list record of the settings file.
    void Serialize(CArchive& ar) { m_Regions.Serialize(ar); }

    // The location database document that scans and rebuilds load regions
    // into (the start-up attaches it). Records it loads are registered here.
    void Attach(CLocDoc* doc);
    CLocDoc* GetDoc() const { return m_pDoc; }

    // Without questions and without writing: old formats are converted in
    // memory only and nothing found out of order is saved. For tools that
    // only read.
    void SetReadOnly(bool readOnly) { m_bReadOnly = readOnly; }

    // ---- regions ------------------------------------------------------------------
    const std::string& GetRegionDir() const { return m_strRegionDir; }
    void SetRegionDir(const std::string& dir);
    // The file of a region entry (its ".krd" found without regard to case).
    std::string RegionPath(int region) const;
    // The name of a region entry; empty outside the list.
    std::string RegionName(int region) const;
    // Brings the region list up to date with the "*.krd" files in the folder
    // of the settings' current region: loads each file (converting old
    // formats and saving files that had to be converted or put in order),
    // notes its record count, adds new regions as inactive, drops regions
    // whose file is gone and chooses the current region, which the settings
    // and the document then name. Returns its position, -1 when there is no
    // region at all. The index itself is not rebuilt (see RebuildIndex).
    int ScanRegions(CInitDoc& settings);
    // Sum of the record counts of all regions; a region with an unknown count
    // shows "Region Cnt = -1" and adds nothing.
    int SumRecordCounts() const;
    // Builds the index from all active regions and loads the document's
    // current region into the document again. False when there is not
    // enough memory (the index then stays empty).
    bool RebuildIndex();
    // Applies the choice of the region activation dialog: `active` holds one
    // flag per region of the list, `shown` the region the document is to
    // show (-1: the first active one). The document loads that region when
    // it holds another; the index is rebuilt when a flag changed. True when a
    // flag changed.
    bool ApplyActivation(const std::vector<bool>& active, int shown);

    // ---- building ------------------------------------------------------------------
    // Drops both lists and makes room for `count` locations.
    bool MakeRoom(int count);
    void SetCurrentRegion(int region);
    // Called for every record a document loads; registers nothing while the
    // current region is -1.
    void Register(const CLocation& loc, int pos);
    void Sort();

    // ---- lookup by name ---------------------------------------------------------------
    const CNameList& Names() const { return m_Names; }
    bool Find(const std::string& text, bool exactCase, int& index) const {
        return m_Names.Find(text, exactCase, index);
    }
    bool Range(const std::string& text, int& first, int& last) const { return m_Names.Range(text, first, last); }
    bool AmbiguousPrefix(int length, int index, int& first, int& last) const {
        return m_Names.AmbiguousPrefix(length, index, first, last);
    }
    bool Complete(std::string& text, int length) const { return m_Names.Complete(text, length); }
    // The location of a name entry and its region. False for an index outside
    // the list or an entry of no known region.
    bool LocationOf(int index, CLocation& loc, int& region);
    // The first location of the run of `text`; true only when its position
    // and variation are valid.
    bool FindLocationByName(const std::string& text, CLocation& loc);
    // The first airport of the name list with a valid position and variation
    // (the home airfield of new settings). False when there is none.
    bool FirstAirfield(CLocation& loc);

    // ---- lookup by position ----------------------------------------------------------------
    const CLaLoList& Positions() const { return m_LaLo; }
    // Starts a search for the locations inside the box; true when there is one.
    bool StartSearch(const LatLonBox& box);
    // The next location inside the box (with its region's name as region
    // text) and its region. False when the search is exhausted.
    bool NextHit(CLocation& loc, int& region);

private:
    // The index's own copy of a region, loaded on first use.
    const CLocDoc* RegionData(int region);
    CLocation RecordOf(int region, int type, int pos);
    int RenameEntry(int region, const std::string& newName);

    CRegionList m_Regions;
    std::string m_strRegionDir;
    CLocDoc* m_pDoc = nullptr;
    bool m_bReadOnly = false;
    CNameList m_Names;
    CLaLoList m_LaLo;
    std::vector<std::unique_ptr<CLocDoc>> m_Cache;
};
