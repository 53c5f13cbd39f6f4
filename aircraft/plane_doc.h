#pragma once
// The aircraft database document: the aircraft of "VXplanes.pln" in file
// order, the current aircraft (chosen by the name stored in the settings)
// and the model of the "&Flugzeuge" menu.
//
// Loading asks before an older file is converted; a converted list is saved
// at once in the current format. A file that could not be read, or whose
// conversion the user declined, is never overwritten by an empty list; before
// a list the user built is saved over it, the old file is kept as
// "VXplanes.pln.bak".

#include <string>
#include <vector>

#include "aircraft/plane.h"
#include "platform/document.h"

// One entry of the "&Flugzeuge" menu after its separator. The main window
// turns each into an action.
struct PlaneMenuItem {
    std::string text;        // the aircraft name, or "Fehlt"
    int command = 0;         // kFirstPlaneCommand + index
    bool enabled = true;     // false only for "Fehlt"
    bool checked = false;    // the current aircraft
    std::string statusText;  // text of the status line
};

class CPlaneDoc : public CDocument {
public:
    static constexpr int kMaxMenuPlanes = 19;
    static constexpr int kFirstPlaneCommand = 32808;
    static constexpr int kLastPlaneCommand = kFirstPlaneCommand + kMaxMenuPlanes - 1;

    // ---- file ----------------------------------------------------------------------
    // Reads the database. A missing file gives an empty list silently. An
    // unreadable or corrupt file shows the open-error message. An older format
    // asks whether to convert it: No shows "Flugzeugdaten können nicht
    // eingelesen werden." and leaves the list empty; Yes converts and saves at
    // once. Returns true when a list was read.
    bool OnOpenDocument(const std::string& path);
    // Writes the list atomically in the current format. A failure shows the
    // save-error message and leaves the previous file as it was.
    bool OnSaveDocument(const std::string& path);
    // When the list is modified, asks "Datei »%s« wurde verändert. Soll die
    // Änderung gespeichert werden?": Yes saves, No clears the modified flag and
    // writes nothing. Returns false only when a save failed.
    bool SaveWithQuestion();

    // The last load converted an older file (the editor then always hands
    // its list back).
    bool IsConverted() const { return m_bConverted; }
    // The file on disk failed to load or was not converted: it is protected.
    bool IsFileProtected() const { return m_bProtectFile; }

    // ---- records ----------------------------------------------------------------------
    int GetCount() const { return static_cast<int>(m_Planes.size()); }
    // nullptr outside the list.
    const CPlane* GetPlane(int index) const;
    const std::vector<CPlane>& GetPlanes() const { return m_Planes; }

    // ---- current aircraft -----------------------------------------------------------------
    int GetCurrentIndex() const { return m_nCurrent; }
    // nullptr when there is none.
    const CPlane* GetCurrentPlane() const { return GetPlane(m_nCurrent); }
    // The current aircraft's name, or "Fehlt".
    std::string GetCurrentName() const;
    // Makes the first aircraft whose name equals `name` (case-sensitive)
    // current, else the first aircraft; -1 with an empty list.
    int SelectByName(const std::string& name);
    // Makes an aircraft current and stores its name in the settings (when a
    // settings document is installed). False for an index outside the list.
    bool SelectPlane(int index);

    // The cruise speed of the current aircraft (index -1) or of an indexed
    // one in a speed unit (DIM_KT, DIM_KMH, DIM_MPH), rounded half up, as
    // "%4d %s" with the unit name; empty when there is no such aircraft.
    std::string GetSpeedText(int speedUnit, int index = -1) const;

    // ---- the aircraft menu ------------------------------------------------------------------
    // Selects the current aircraft by the name in the settings and returns
    // the entries of the menu. With more than 19 aircraft the message "Mehr
    // als 19 Flugzeuge sind nicht erlaubt!" is shown and only the first 19 get
    // an entry; with none, a disabled "Fehlt" entry stands there.
    std::vector<PlaneMenuItem> FillMenu();
    std::vector<PlaneMenuItem> FillMenu(const std::string& settingsName);
    // The entries for the current state, without selecting or showing anything.
    std::vector<PlaneMenuItem> MenuItems() const;
    // A menu command 32808..32826: selects that aircraft. False when the
    // command is none of them or names no aircraft.
    bool OnPlaneCommand(int command);
    // Where the main window placed the menu in its menu bar (-1: not yet).
    int GetMenuPosition() const { return m_nMenuPosition; }
    void SetMenuPosition(int position) { m_nMenuPosition = position; }

    // ---- the editor ------------------------------------------------------------------------
    // The editor works on a copy of the list.
    void CopyTo(std::vector<CPlane>& list) const { list = m_Planes; }
    // Replaces the list, marks the document modified and selects the current
    // aircraft again by the name in the settings.
    void CopyFrom(const std::vector<CPlane>& list);
    // "&Fertig": when the copy was changed or the document was converted, the
    // copy replaces the list and is saved with the question. Returns false
    // only when that save failed. The caller fills the menu again.
    bool FinishEditing(const std::vector<CPlane>& copy, bool copyChanged);
    // "Abbrechen": the copy is dropped and the modified flag cleared.
    void CancelEditing() { SetModifiedFlag(false); }

private:
    std::string SettingsPlaneName() const;

    std::vector<CPlane> m_Planes;
    int m_nCurrent = -1;
    int m_nMenuPosition = -1;
    bool m_bConverted = false;
    bool m_bProtectFile = false;
};

// The database document in use (set at start-up; nullptr until then).
CPlaneDoc* thePlaneDoc();
void SetPlaneDoc(CPlaneDoc* doc);
