#pragma once
// The location database document: the locations of one region file
// ("Germany.krd") in memory, sorted by type and name, with loading of every
// region-file format, saving in the newest one, merging and text import.
//
// Region file: a 20-byte header whose text names the format, then the
// location records in ascending order of name (no count; the number of
// records follows from the file length).

#include <string>

#include "locations/loc_lists.h"
#include "platform/document.h"

class CQuickFind;

// What a text import did.
struct ImportResult {
    int added = 0;
    int replaced = 0;
    bool aborted = false;   // a line or the header was refused: nothing changed
    bool completed = false; // every line was taken over and the region saved
};

class CLocDoc : public CDocument {
public:
    static constexpr int kHeaderSize = 20;
    static constexpr const char* kCurrentHeader = "VX KO  4.00  ";

    CLocDoc() = default;

    // ---- the lists -------------------------------------------------------------
    const CLocLists& Lists() const { return m_Lists; }
    CLocLists& Lists() { return m_Lists; }
    const CLocLists::List& GetList(int listPos) const { return m_Lists.GetList(listPos); }
    CLocation GetAt(int listPos, int index) const { return m_Lists.GetAt(listPos, index); }
    bool Find(int listPos, const std::string& name, int& index) const { return m_Lists.Find(listPos, name, index); }
    // Adds a location unless its name is in its type's list already.
    bool Add(const CLocation& loc) { return m_Lists.AddIfAbsent(loc); }
    // Empties all eight lists.
    void Clear() { m_Lists.Clear(); }
    // The location editor works on a copy of the lists and hands it back.
    void CopyListsTo(CLocLists& lists) const { lists = m_Lists; }
    void CopyListsFrom(const CLocLists& lists) { m_Lists = lists; }
    // Takes over the user's own lists (free user points, intersections,
    // gliding sites, heliports) of another region; equal names are
    // overwritten. Returns the number of records taken over.
    int MergeUserLists(const CLocDoc& other) { return m_Lists.MergeUserLists(other.m_Lists); }
    // Merges a new database into this region, type by type. A record whose
    // latitude, longitude and elevation are all 0 deletes the location of
    // its name; an existing name is overwritten (with a message naming it);
    // a new name is inserted. Returns true when anything changed; the
    // document is then marked modified.
    bool MergeDatabase(const CLocDoc& other);
    // The menu command: asks, lets the user choose a region file, merges it
    // into this region and, when that changed anything, saves the region and
    // rebuilds the name index. True when the region changed.
    bool MergeCommand();

    // ---- files -----------------------------------------------------------------
    // Format number (1..5) of a region-file header; 0 when it is unknown.
    static int HeaderFormat(const char (&header)[kHeaderSize]);

    // Loads a region file. Older formats are converted after a question
    // (without one when `silentConversion`); a declined conversion, an
    // unknown header and a file too short for its header leave the lists
    // empty, show a message and fail. A file from that path that could not be
    // read is never overwritten by Save afterwards.
    bool OnOpenDocument(const std::string& path, bool silentConversion = false);
    // Saves the region in the newest format, atomically. With `ask`, the user
    // is asked first; No clears the modified flag and saves nothing (true).
    // A failed save keeps the previous file and shows the save-error message.
    bool Save(const std::string& path, bool ask);
    // Puts the lists in order after loading; sets the re-sorted flag when one
    // was out of order. True when that happened.
    bool CheckOrder();

    // The file title of the path ("Germany").
    std::string GetRegionName() const;
    // The folder of the path, with a trailing separator.
    std::string GetRegionDir() const;
    // Position of the region in the region list, -1 when none.
    int GetRegionIndex() const { return m_nRegion; }
    void SetRegionIndex(int region) { m_nRegion = region; }
    bool IsConverted() const { return m_bConverted; }
    bool IsResorted() const { return m_bResorted; }
    // Format of the last file loaded (0: unknown header or none).
    int GetLoadedFormat() const { return m_nFormat; }
    // True when the file at `path` could not be read by this document (and
    // has not been read successfully since).
    bool HasFailed(const std::string& path) const;

    // The name index that records are registered in while they load and
    // whose region list receives the record count after a save.
    void SetIndex(CQuickFind* index) { m_pIndex = index; }
    CQuickFind* GetIndex() const { return m_pIndex; }

    // ---- text import -------------------------------------------------------------
    // The menu command: asks, lets the user choose a file, imports it and,
    // when every line was taken over, saves the region and rebuilds the name
    // index. The settings then take this region as the current one.
    void ImportCommand();
    // Imports a text file into this region: all lines or nothing. On success
    // the region is saved to its path without a question; on any refused
    // line the lists stay as they were and nothing is written.
    ImportResult ImportFile(const std::string& path);

private:
    void RenameOldDanishFile();
    void NoteFailedLoad(const std::string& path);

    CLocLists m_Lists;
    CQuickFind* m_pIndex = nullptr;
    int m_nRegion = -1;
    int m_nFormat = 0;
    bool m_bConverted = false;
    bool m_bResorted = false;
    bool m_bRename = false;
    // Paths whose files could not be read: saving over them is refused.
    std::vector<std::string> m_FailedPaths;
};

// The location database of the running program (set at start-up).
CLocDoc* theLocDoc();
void SetLocDoc(CLocDoc* doc);
