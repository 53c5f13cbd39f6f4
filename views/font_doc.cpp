#include "views/font_doc.h"

#include <cstring>

#include "core/archive.h"
#include "platform/encoding.h"

CFontDoc::CFontDoc() {
    std::memset(m_szFace, 0, sizeof m_szFace);
    SetFace("Arial");
}

std::string CFontDoc::GetFace() const {
    const size_t len = strnlen(reinterpret_cast<const char*>(m_szFace), sizeof m_szFace);
    return toUtf8(std::string_view(reinterpret_cast<const char*>(m_szFace), len), CodePage::Windows1252);
}

void CFontDoc::SetFace(const std::string& utf8) {
    std::string bytes = fromUtf8(utf8, CodePage::Windows1252);
    if (bytes.size() > sizeof m_szFace - 1) bytes.resize(sizeof m_szFace - 1);
    std::memset(m_szFace, 0, sizeof m_szFace);
    std::memcpy(m_szFace, bytes.data(), bytes.size());
}

void CFontDoc::Serialize(CArchive& ar) {
    ar.IoRaw(m_szFace, sizeof m_szFace);
    ar.Io(m_nSize);
}

namespace {
CFontDoc* currentFontDoc = nullptr;
}

CFontDoc* theFontDoc() {
    static CFontDoc defaults;
    return currentFontDoc ? currentFontDoc : &defaults;
}

void SetFontDoc(CFontDoc* doc) { currentFontDoc = doc; }
