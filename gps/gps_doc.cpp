#include "gps/gps_doc.h"

#include <cstring>

#include "core/archive.h"
#include "platform/encoding.h"
#include "platform/numtext.h"

CGpsDoc::CGpsDoc() {
    std::memset(m_szLastRoute, 0, sizeof m_szLastRoute);
    std::memset(m_szSecond, 0, sizeof m_szSecond);
    std::memset(m_szLastTrack, 0, sizeof m_szLastTrack);
    SetText(m_szLastTrack, "0");
}

std::string CGpsDoc::Text(const uint8_t (&field)[32]) {
    const char* p = reinterpret_cast<const char*>(field);
    return toUtf8(std::string_view(p, strnlen(p, sizeof field)), CodePage::Windows1252);
}

void CGpsDoc::SetText(uint8_t (&field)[32], const std::string& utf8) {
    std::string bytes = fromUtf8(utf8, CodePage::Windows1252);
    if (bytes.size() > sizeof field - 1) bytes.resize(sizeof field - 1);
    std::memset(field, 0, sizeof field);
    std::memcpy(field, bytes.data(), bytes.size());
}

void CGpsDoc::Serialize(CArchive& ar, int fileVersion) {
    if (ar.IsStoring() || fileVersion > 32) {
        ar.Io(m_nReceiverType);
        ar.Io(m_nUsbDevice);
        ar.Io(m_nPort);
        ar.IoRaw(m_szLastRoute, sizeof m_szLastRoute);
        ar.IoRaw(m_szSecond, sizeof m_szSecond);
        ar.IoRaw(m_szLastTrack, sizeof m_szLastTrack);
        return;
    }
    m_nReceiverType = ar.ReadI16();
    m_nPort = ar.ReadI16();
    m_nUsbDevice = 0;
    SetText(m_szLastRoute, strFormat("%d", ar.ReadI16()));
    SetText(m_szSecond, strFormat("%d", ar.ReadI16()));
    SetText(m_szLastTrack, strFormat("%d", ar.ReadI16()));
}
