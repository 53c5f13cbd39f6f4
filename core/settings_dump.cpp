#include "core/settings_dump.h"

#include <cerrno>
#include <cstring>

#include "aircraft/load_doc.h"
#include "core/archive.h"
#include "core/calc_doc.h"
#include "core/init_doc.h"
#include "core/units.h"
#include "gps/gps_doc.h"
#include "locations/quick_find.h"
#include "maps/color_doc.h"
#include "maps/map_doc.h"
#include "platform/numtext.h"
#include "platform/paths.h"
#include "terrain/airspace_regions_doc.h"
#include "tracks/moving_map_doc.h"
#include "views/appendix_doc.h"
#include "views/font_doc.h"

namespace {

class Lines {
public:
    void add(const std::string& name, const std::string& value) { lines_.push_back(name + ": " + value); }
    void add(const std::string& name, long long value) { add(name, strFormat("%lld", value)); }
    void addDouble(const std::string& name, double value) { add(name, strFormat("%.6f", value)); }
    void addColour(const std::string& name, Colour c) {
        add(name, strFormat("%d,%d,%d", RedOf(c), GreenOf(c), BlueOf(c)));
    }
    std::vector<std::string> take() { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

void dumpHome(Lines& out, const CLocation& home) {
    out.add("home.name", home.GetName());
    out.addDouble("home.latitude", home.m_dLat);
    out.addDouble("home.longitude", home.m_dLon);
    out.add("home.elevation", home.Elevation());
    out.add("home.variation", home.GetVariation());
    out.add("home.frequency", home.FrequencyCode());
    out.add("home.runway_length", home.RunwayLength());
    out.add("home.height_difference", home.HeightDifference());
    out.add("home.direction_or_range", home.DirectionOrRange());
    out.add("home.flags", home.GetFlags());
    out.add("home.ident", home.GetIdent());
    out.add("home.elevation_unit", home.GetElevationUnit());
    out.add("home.range_unit", home.GetRangeUnit());
    out.add("home.runway_unit", home.GetRunwayUnit());
    out.add("home.country", home.GetCountry());
    out.add("home.type", home.GetType());
    out.add("home.reserved_byte", home.GetReservedByte());
    out.add("home.slope_unit", home.GetSlopeUnit());
    out.add("home.reserved_word", home.GetReservedWord());
}

}  // namespace

std::string ReadSettingsQuietly(CInitDoc& doc, const std::string& path) {
    if (!fileExists(path)) {
        return "Die Datei »" + path + "« ist nicht vorhanden.";
    }
    try {
        CArchive ar(path, CArchive::load);
        doc.Serialize(ar);
        ar.Close();
    } catch (const ArchiveError& e) {
        return "Die Datei »" + path + "« ist beschädigt: " + e.what();
    } catch (const FileError& e) {
        return "Die Datei »" + path + "« kann nicht gelesen werden: " + std::strerror(e.errorNumber());
    }
    return {};
}

std::vector<std::string> DumpSettings(CInitDoc& doc) {
    Lines out;
    if (doc.IsOldFormat()) {
        out.add("format", "alt (ohne Kennung VX_INIT); es gelten die Voreinstellungen");
        return out.take();
    }
    out.add("magic", "VX_INIT");
    out.add("version", doc.GetVersion());
    out.add("reserved_text_1", doc.GetReservedText(1));
    out.add("reserved_text_2", doc.GetReservedText(2));
    out.add("creation_time", doc.GetCreationTime());
    out.add("reserved_word", doc.GetReservedWord());
    out.add("reserved_text_3", doc.GetReservedText(3));
    for (int i = 0; i < 4; ++i) out.add(strFormat("spare_text_%d", i + 1), doc.GetSpareText(i));
    if (doc.IsNew()) {
        out.add("records", "nicht gelesen (unbekannte Version); es gelten die Voreinstellungen");
        return out.take();
    }
    out.add("region_name", doc.GetRegionName());
    out.add("aircraft_name", doc.GetPlaneName());
    out.add("signal_on_save", doc.GetSignalOnSave() ? 1 : 0);
    dumpHome(out, doc.GetHome());

    out.add("font.face", doc.Font().GetFace());
    out.add("font.size", doc.Font().GetSize());

    const CDimDoc& u = doc.Units();
    out.add("units.altitude", u.m_nAltitude);
    out.add("units.distance", u.m_nDistance);
    out.add("units.runway", u.m_nRunway);
    out.add("units.mass", u.m_nMass);
    out.add("units.wind", u.m_nWind);
    out.add("units.temperature", u.m_nTemperature);
    out.add("units.pressure", u.m_nPressure);
    out.add("units.fuel", u.m_nFuel);
    out.add("units.arm", u.m_nArm);
    out.add("units.position_format", u.m_nPositionFormat);

    const CLoadDoc& l = doc.Load();
    out.add("load.mass_unit", l.m_nMassUnit);
    for (int i = 0; i < 5; ++i) out.add(strFormat("load.seat_%d", i + 1), l.m_nSeat[i]);
    for (int i = 0; i < 5; ++i) out.add(strFormat("load.baggage_%d", i + 1), l.m_nBaggage[i]);
    for (int i = 0; i < 3; ++i) out.add(strFormat("load.tank_fill_%d", i + 1), strFormat("%.2f", l.m_fFill[i]));

    const CCalcDoc& c = doc.Calc();
    out.add("presets.climb_descent_threshold", c.m_nClimbThreshold);
    out.add("presets.climb_descent_threshold_unit", c.m_nClimbThresholdUnit);
    out.add("presets.semicircular_threshold", c.m_nSemicircleThreshold);
    out.add("presets.semicircular_threshold_unit", c.m_nSemicircleThresholdUnit);
    out.add("presets.great_circle_threshold", c.m_nGreatCircleThreshold);
    out.add("presets.great_circle_threshold_unit", c.m_nGreatCircleThresholdUnit);
    out.add("presets.auto_routing_threshold", c.m_nAutoRouteThreshold);
    out.add("presets.auto_routing_threshold_unit", c.m_nAutoRouteThresholdUnit);
    out.add("presets.permitted_detour", c.m_nDetour);
    out.add("presets.taxi_minutes", c.m_nTaxiTime);
    out.add("presets.approach_departure_minutes", c.m_nApproachTime);
    out.add("presets.reserve_minutes", c.m_nReserveTime);
    out.add("presets.cruise_altitude", c.m_nCruiseAltitude);
    out.add("presets.cruise_altitude_unit", c.m_nCruiseAltitudeUnit);

    const CAppendixDoc& a = doc.Appendix();
    out.add("appendix.with_winds", a.m_bWithWinds);
    out.add("appendix.with_fuel", a.m_bWithFuel);
    out.add("appendix.with_sunset", a.m_bWithSunset);
    for (int i = 0; i < 3; ++i) out.add(strFormat("appendix.with_text_%d", i + 1), a.m_bWithText[i]);
    for (int i = 0; i < 3; ++i) out.add(strFormat("appendix.text_%d", i + 1), a.GetText(i));

    const CGpsDoc& g = doc.Gps();
    out.add("gps.receiver_type", g.m_nReceiverType);
    out.add("gps.usb_device", g.m_nUsbDevice);
    out.add("gps.port", g.m_nPort);
    out.add("gps.last_route", g.GetLastRoute());
    out.add("gps.second_text", g.GetSecondText());
    out.add("gps.last_track", g.GetLastTrack());

    const auto& regions = doc.QuickFind().Regions().Entries();
    out.add("regions.count", static_cast<long long>(regions.size()));
    for (size_t i = 0; i < regions.size(); ++i) {
        out.add(strFormat("regions.%zu", i + 1), regions[i].name + (regions[i].active ? " (aktiv)" : ""));
    }

    const CColorDoc& col = doc.Colors();
    out.addColour("colours.route", col.m_crRoute);
    out.addColour("colours.bearing", col.m_crBearing);
    out.addColour("colours.label", col.m_crLabel);
    out.addColour("colours.active", col.m_crActive);
    out.addColour("colours.frame", col.m_crFrame);
    out.addColour("colours.position", col.m_crPosition);
    out.add("colours.route_width", col.m_nRouteWidth);
    out.add("colours.scan_route_width", col.m_nScanRouteWidth);
    out.add("colours.bearing_width", col.m_nBearingWidth);
    out.add("colours.scan_bearing_width", col.m_nScanBearingWidth);
    out.addColour("colours.scan_route", col.m_crScanRoute);
    out.addColour("colours.scan_bearing", col.m_crScanBearing);
    out.addColour("colours.scan_label", col.m_crScanLabel);
    out.addColour("colours.scan_active", col.m_crScanActive);
    out.addColour("colours.scan_position", col.m_crScanPosition);
    out.add("colours.relief_flight", col.m_bReliefFlight);
    out.add("colours.relief_sea", col.m_bReliefSea);

    static const char* mapFlags[] = {"airports",  "reporting_points", "intersections", "ndbs",
                                     "vors",      "user_points",      "gliding_sites", "heliports",
                                     "labels",    "map_frames",       "max_elevations", "airspace"};
    for (int i = 0; i < CMapDoc::kFlagCount; ++i) out.add(std::string("map.") + mapFlags[i], doc.Map().m_bShow[i]);

    const CMovingMapDoc& m = doc.MovingMap();
    out.add("moving_map.symbol", m.m_nSymbol);
    out.add("moving_map.track_display", m.m_nTrackDisplay);
    out.add("moving_map.switch_distance_mm", m.m_nSwitchDistance);
    out.add("moving_map.source", m.m_nSource);
    out.add("moving_map.simulation_speed", m.m_nSimSpeed);

    const CAirspaceRegionsDoc& air = doc.AirspaceRegions();
    out.add("airspace_regions.selected", air.m_nSelected);
    out.add("airspace_regions.count", static_cast<long long>(air.m_Regions.size()));
    for (size_t i = 0; i < air.m_Regions.size(); ++i) {
        const auto& r = air.m_Regions[i];
        out.add(strFormat("airspace_regions.%zu", i + 1),
                strFormat("%s | %s | aktiv %d | Datumsgrenze %d | W %.6f O %.6f N %.6f S %.6f | %d Lufträume",
                          r.m_strName.c_str(), r.m_strFile.c_str(), r.m_bActive, r.m_bDateLine, r.m_dWest,
                          r.m_dEast, r.m_dNorth, r.m_dSouth, r.m_nCount));
    }
    return out.take();
}
