#include "aircraft/plane_doc.h"

#include "aircraft/aircraft_strings.h"
#include "aircraft/plane_file.h"
#include "core/archive.h"
#include "core/init_doc.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/string_table.h"

namespace {

CPlaneDoc* currentPlaneDoc = nullptr;

void beepOnSave() {
    if (theInitDoc() && theInitDoc()->GetSignalOnSave()) thePrompt().Beep();
}

}  // namespace

CPlaneDoc* thePlaneDoc() { return currentPlaneDoc; }
void SetPlaneDoc(CPlaneDoc* doc) { currentPlaneDoc = doc; }

// ---- file ------------------------------------------------------------------------------

bool CPlaneDoc::OnOpenDocument(const std::string& path) {
    m_Planes.clear();
    m_nCurrent = -1;
    m_bConverted = false;
    m_bProtectFile = false;
    SetPathName(path);
    SetModifiedFlag(false);

    PlaneFileContents contents;
    switch (ReadPlaneFile(path, contents)) {
        case PlaneReadResult::Ok:
            break;
        case PlaneReadResult::Missing:
            return false;
        case PlaneReadResult::Unreadable:
        case PlaneReadResult::BadHeader:
        case PlaneReadResult::BadLength:
            m_bProtectFile = true;
            thePrompt().Message(FormatStr(kStrFileOpenError, GetTitle().c_str()), MessageKind::Error);
            return false;
    }

    if (contents.format < kPlaneFormatCurrent && !contents.planes.empty()) {
        if (thePrompt().AskYesNo(FormatStr(kStrPlaneOldFormat, GetTitle().c_str())) != Answer::Yes) {
            m_bProtectFile = true;
            thePrompt().Message(LoadStr(kStrPlaneNotRead), MessageKind::Warning);
            return false;
        }
        m_bConverted = true;
    }
    m_Planes = std::move(contents.planes);
    if (m_bConverted) {
        // The user agreed to the conversion: write the new format right away.
        // Should that fail, the list stays modified and is offered again.
        if (!OnSaveDocument(path)) SetModifiedFlag(true);
    }
    return true;
}

bool CPlaneDoc::OnSaveDocument(const std::string& path) {
    if (m_bProtectFile && path == GetPathName() && fileExists(path)) {
        if (m_Planes.empty()) {
            // Nothing that could replace the file on disk.
            SetModifiedFlag(false);
            return true;
        }
        if (!copyFile(path, path + ".bak")) {
            thePrompt().Message(FormatStr(kStrFileSaveError, baseName(path).c_str()), MessageKind::Error);
            return false;
        }
    }
    try {
        WritePlaneFile(path, m_Planes);
    } catch (const std::exception&) {
        thePrompt().Message(FormatStr(kStrFileSaveError, baseName(path).c_str()), MessageKind::Error);
        return false;
    }
    if (path == GetPathName()) m_bProtectFile = false;
    SetModifiedFlag(false);
    beepOnSave();
    return true;
}

bool CPlaneDoc::SaveWithQuestion() {
    if (!IsModified()) return true;
    if (thePrompt().AskYesNo(FormatStr(kStrSaveChanges, GetTitle().c_str())) != Answer::Yes) {
        SetModifiedFlag(false);
        return true;
    }
    return OnSaveDocument(GetPathName());
}

// ---- records and the current aircraft ----------------------------------------------------

const CPlane* CPlaneDoc::GetPlane(int index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    return &m_Planes[static_cast<size_t>(index)];
}

std::string CPlaneDoc::GetCurrentName() const {
    const CPlane* plane = GetCurrentPlane();
    return plane ? plane->m_strName : LoadStr(kStrPlaneMissing);
}

int CPlaneDoc::SelectByName(const std::string& name) {
    m_nCurrent = m_Planes.empty() ? -1 : 0;
    for (int i = 0; i < GetCount(); ++i) {
        if (m_Planes[static_cast<size_t>(i)].m_strName == name) {
            m_nCurrent = i;
            break;
        }
    }
    return m_nCurrent;
}

bool CPlaneDoc::SelectPlane(int index) {
    const CPlane* plane = GetPlane(index);
    if (!plane) return false;
    m_nCurrent = index;
    if (theInitDoc()) theInitDoc()->SetPlaneName(plane->m_strName);
    return true;
}

std::string CPlaneDoc::GetSpeedText(int speedUnit, int index) const {
    const CPlane* plane = index < 0 ? GetCurrentPlane() : GetPlane(index);
    return plane ? FormatCruiseSpeed(*plane, speedUnit) : std::string();
}

std::string CPlaneDoc::SettingsPlaneName() const {
    return theInitDoc() ? theInitDoc()->GetPlaneName() : std::string();
}

// ---- the aircraft menu --------------------------------------------------------------------------

std::vector<PlaneMenuItem> CPlaneDoc::FillMenu() { return FillMenu(SettingsPlaneName()); }

std::vector<PlaneMenuItem> CPlaneDoc::FillMenu(const std::string& settingsName) {
    SelectByName(settingsName);
    if (GetCount() > kMaxMenuPlanes) thePrompt().Message(LoadStr(kStrPlaneTooMany), MessageKind::Warning);
    return MenuItems();
}

std::vector<PlaneMenuItem> CPlaneDoc::MenuItems() const {
    std::vector<PlaneMenuItem> items;
    const std::string status = LoadStr(kStrPlaneMenuStatus);
    if (m_Planes.empty()) {
        items.push_back({LoadStr(kStrPlaneMissing), kFirstPlaneCommand, false, false, status});
        return items;
    }
    for (int i = 0; i < GetCount() && i < kMaxMenuPlanes; ++i) {
        items.push_back({m_Planes[static_cast<size_t>(i)].m_strName, kFirstPlaneCommand + i, true, i == m_nCurrent,
                         status});
    }
    return items;
}

bool CPlaneDoc::OnPlaneCommand(int command) {
    if (command < kFirstPlaneCommand || command > kLastPlaneCommand) return false;
    return SelectPlane(command - kFirstPlaneCommand);
}

// ---- the editor ---------------------------------------------------------------------------------

void CPlaneDoc::CopyFrom(const std::vector<CPlane>& list) {
    m_Planes = list;
    SetModifiedFlag(true);
    SelectByName(SettingsPlaneName());
}

bool CPlaneDoc::FinishEditing(const std::vector<CPlane>& copy, bool copyChanged) {
    if (!copyChanged && !m_bConverted) return true;
    CopyFrom(copy);
    return SaveWithQuestion();
}
