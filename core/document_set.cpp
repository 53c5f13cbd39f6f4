#include "core/document_set.h"

#include "aircraft/load_doc.h"
#include "core/calc_doc.h"
#include "core/units.h"
#include "platform/string_table.h"
#include "views/appendix_doc.h"
#include "views/font_doc.h"

namespace {
CDocumentSet* currentSet = nullptr;
}

CDocumentSet::CDocumentSet(const std::string& programDirectory) {
    init_ = std::make_unique<CInitDoc>(programDirectory);
    SetInitDoc(init_.get());
    loc_ = std::make_unique<CLocDoc>();
    SetLocDoc(loc_.get());
    plane_ = std::make_unique<CPlaneDoc>();
    SetPlaneDoc(plane_.get());
    elev_ = std::make_unique<CDocument>();
    elevArray_ = std::make_unique<CDocument>();
    seaColor_ = std::make_unique<CDocument>();
    flightColor_ = std::make_unique<CDocument>();
    met_ = std::make_unique<CMetDoc>();
    SetMetDoc(met_.get());
    track_ = std::make_unique<CDocument>();
    flightPlan_ = std::make_unique<CDocument>();
    flightPlan_->SetPathName(init_->GetProgramDir() + kFlightPlanFile);
    scanMap_ = std::make_unique<CDocument>();
    scanMap_->SetPathName(init_->GetProgramDir() + LoadStr(1036));
    currentSet = this;
}

CDocumentSet::~CDocumentSet() {
    if (published_) {
        SetFontDoc(nullptr);
        SetDimDoc(nullptr);
        SetLoadDoc(nullptr);
        SetCalcDoc(nullptr);
        SetAppendixDoc(nullptr);
    }
    if (theMetDoc() == met_.get()) SetMetDoc(nullptr);
    met_.reset();
    if (theLocDoc() == loc_.get()) SetLocDoc(nullptr);
    loc_.reset();
    if (thePlaneDoc() == plane_.get()) SetPlaneDoc(nullptr);
    plane_.reset();
    elev_.reset();
    elevArray_.reset();
    seaColor_.reset();
    flightColor_.reset();
    track_.reset();
    flightPlan_.reset();
    scanMap_.reset();
    if (theInitDoc() == init_.get()) SetInitDoc(nullptr);
    init_.reset();
    if (currentSet == this) currentSet = nullptr;
}

void CDocumentSet::PublishSettingsSubDocuments() {
    SetFontDoc(&init_->Font());
    SetDimDoc(&init_->Units());
    SetLoadDoc(&init_->Load());
    SetCalcDoc(&init_->Calc());
    SetAppendixDoc(&init_->Appendix());
    published_ = true;
}

CDocumentSet* theDocumentSet() {
    return currentSet;
}
