#pragma once
// Numbers of the string-table texts used by the aircraft database and the
// weather (platform/string_table.cpp).

enum AircraftStrings : int {
    kStrSaveChanges = 1768,       // "Datei »%s« wurde verändert. ..."
    kStrDuplicateName = 1776,     // "Unter dieser Bezeichnung ist schon ein Eintrag vorhanden."
    kStrPlaneOldFormat = 2410,    // "Die Flugzeugdaten liegen noch im alten Format vor. ..."
    kStrPlaneNotRead = 2411,      // "Flugzeugdaten können nicht eingelesen werden."
    kStrPlaneTooMany = 2412,      // "Mehr als 19 Flugzeuge sind nicht erlaubt!"
    kStrPlaneMissing = 2413,      // "Fehlt"
    kStrPlaneMenuStatus = 2414,   // status text of the aircraft menu entries
    kStrCgMtowMissing = 2415,     // MTOW mass below the TOW mass
    kStrCgArmOrder = 2416,        // forward arm behind the aft arm
    kStrCgEmptyTooHeavy = 2417,   // empty mass above the TOW mass
    kStrFileOpenError = 61700,
    kStrFileSaveError = 61701,
};
