#pragma once
// Numbers of the string-table texts used by the route document and the
// route commands (platform/string_table.cpp).

enum RouteStrings : int {
    kStrRouteNotRead = 1751,      // "Flugstrecke kann nicht eingelesen werden."
    kStrRouteOldFormat = 1762,    // "Die Flugstrecke liegt noch im alten Format vor. ..."
    kStrRouteChanged = 1768,      // "Datei »%s« wurde verändert. ..."
    kStrNoName = 1769,            // "KeinName"
    kStrNotInDatabase = 1775,     // "»%s« ist in der aktuellen Ortsdatenbank nicht eingetragen."
    kStrUseDatabaseData = 1792,   // "Daten für »%s« aus der Datenbank verwenden?"
    kStrRouteOpenError = 61700,   // the file is damaged or of an unknown format
    kStrRouteSaveError = 61701,   // the file could not be saved
};
