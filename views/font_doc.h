#pragma once
// The font of all text views, stored in the settings file.

#include <cstdint>
#include <string>

#include "platform/document.h"

class CArchive;

class CFontDoc : public CDocument {
public:
    CFontDoc();

    std::string GetFace() const;
    void SetFace(const std::string& utf8);
    int16_t GetSize() const { return m_nSize; }
    void SetSize(int16_t points) { m_nSize = points; }

    // The 64 bytes of the face, then the size as int16.
    void Serialize(CArchive& ar);

private:
    uint8_t m_szFace[64];  // Windows-1252, NUL-terminated; kept byte for byte
    int16_t m_nSize = 10;
};

CFontDoc* theFontDoc();
void SetFontDoc(CFontDoc* doc);
