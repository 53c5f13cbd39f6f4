#pragma once
// The documents a flight log computes with, installed as the current ones
// for a test: units, weather, load, presets, appendix, font, an aircraft
// database with one aircraft that has fuel flows and lever arms, and the
// route.

#include <gtest/gtest.h>

#include <string>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/plane_doc.h"
#include "core/calc_doc.h"
#include "core/units.h"
#include "platform/numtext.h"
#include "platform/scripted_prompt.h"
#include "route/way_doc.h"
#include "views/appendix_doc.h"
#include "views/font_doc.h"

inline CPlane courseTestPlane() {
    CPlane p;
    p.m_strName = "D-EPDF";
    p.m_fCruiseSpeed = 105;
    p.m_fClimbSpeed = 70;
    p.m_fDescentSpeed = 110;
    p.m_fCruiseFlow = 30;
    p.m_fClimbFlow = 40;
    p.m_fDescentFlow = 20;
    p.m_nSeatRows = 1;
    p.m_fSeatArm[0] = 0.9f;
    p.m_nBaggageCompartments = 1;
    p.m_fBaggageArm[0] = 2.4f;
    p.m_nTanks = 1;
    p.m_fTankUsable[0] = 150;
    p.m_fTankUnusable[0] = 4;
    p.m_fTankArm[0] = 1.1f;
    p.m_fEmptyMass = 700;
    p.m_fEmptyMoment = 700;
    return p;
}

class CourseEnv : public ::testing::Test {
protected:
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CDimDoc units;
    CMetDoc met;
    CLoadDoc load;
    CCalcDoc presets;
    CAppendixDoc appendix;
    CFontDoc font;
    CPlaneDoc planes;
    CWayDoc route;

    CourseEnv() {
        SetDimDoc(&units);
        SetMetDoc(&met);
        SetLoadDoc(&load);
        SetCalcDoc(&presets);
        SetAppendixDoc(&appendix);
        SetFontDoc(&font);
        planes.CopyFrom({courseTestPlane()});
        planes.SelectByName("D-EPDF");
        SetPlaneDoc(&planes);
        SetWayDoc(&route);
        route.SetTitle("Lang.way");
    }
    ~CourseEnv() override {
        SetWayDoc(nullptr);
        SetPlaneDoc(nullptr);
        SetFontDoc(nullptr);
        SetAppendixDoc(nullptr);
        SetCalcDoc(nullptr);
        SetLoadDoc(nullptr);
        SetMetDoc(nullptr);
        SetDimDoc(nullptr);
    }

    CWayPoint wayPoint(const std::string& name, double lat, double lon, int32_t planned) {
        CLocation loc(name, 0, LOC_MIN_1000);
        loc.Set(lat, lon);
        CWayPoint wp(loc);
        wp.SetPlannedAltitude(planned);
        wp.SetAltitudeUnit(DIM_FEET);
        return wp;
    }
    // WP00 ... along a zigzag to the east.
    void longRoute(int count) {
        for (int i = 0; i < count; ++i)
            route.Append(wayPoint(strFormat("WP%02d", i), 48 + 0.1 * (i % 2), 7 + 0.08 * i, 3500));
    }
};
