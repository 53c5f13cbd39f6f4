#include "views/appendix_doc.h"

#include <cstring>

#include "core/archive.h"
#include "platform/encoding.h"

CAppendixDoc::CAppendixDoc() { std::memset(m_szText, 0, sizeof m_szText); }

std::string CAppendixDoc::GetText(int index) const {
    if (index < 0 || index > 2) return {};
    const char* text = reinterpret_cast<const char*>(m_szText[index]);
    return toUtf8(std::string_view(text, strnlen(text, 81)), CodePage::Windows1252);
}

void CAppendixDoc::SetText(int index, const std::string& utf8) {
    if (index < 0 || index > 2) return;
    std::string bytes = fromUtf8(utf8, CodePage::Windows1252);
    if (bytes.size() > 80) bytes.resize(80);
    std::memset(m_szText[index], 0, 81);
    std::memcpy(m_szText[index], bytes.data(), bytes.size());
}

bool CAppendixDoc::IsOn() const {
    return m_bWithWinds || m_bWithFuel || m_bWithSunset || m_bWithText[0] || m_bWithText[1] || m_bWithText[2];
}

void CAppendixDoc::Serialize(CArchive& ar) {
    int32_t* switches[] = {&m_bWithWinds, &m_bWithFuel, &m_bWithSunset, &m_bWithText[0], &m_bWithText[1],
                           &m_bWithText[2]};
    for (int32_t* s : switches) {
        int16_t low = static_cast<int16_t>(*s & 0xFFFF);
        ar.Io(low);
        if (ar.IsLoading()) *s = low;
    }
    for (auto& text : m_szText) ar.IoRaw(text, sizeof text);
}

namespace {
CAppendixDoc* currentAppendixDoc = nullptr;
}

CAppendixDoc* theAppendixDoc() {
    static CAppendixDoc defaults;
    return currentAppendixDoc ? currentAppendixDoc : &defaults;
}

void SetAppendixDoc(CAppendixDoc* doc) { currentAppendixDoc = doc; }
