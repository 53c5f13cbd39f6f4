#pragma once
// What the summary appendix of the flight log contains; stored in the
// settings file.

#include <array>
#include <cstdint>
#include <string>

#include "platform/document.h"

class CArchive;

class CAppendixDoc : public CDocument {
public:
    CAppendixDoc();

    int32_t m_bWithWinds = 0;
    int32_t m_bWithFuel = 0;
    int32_t m_bWithSunset = 0;
    std::array<int32_t, 3> m_bWithText{};

    std::string GetText(int index) const;  // 0..2
    void SetText(int index, const std::string& utf8);

    // On when any of the six switches is set.
    bool IsOn() const;

    // The six switches as int16 (low 16 bits), then the three texts as fixed
    // text of 81 bytes each.
    void Serialize(CArchive& ar);

private:
    uint8_t m_szText[3][81];  // Windows-1252, kept byte for byte
};

CAppendixDoc* theAppendixDoc();
void SetAppendixDoc(CAppendixDoc* doc);
