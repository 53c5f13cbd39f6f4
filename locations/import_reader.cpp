#include "locations/import_reader.h"

#include <fstream>
#include <iterator>

#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/prompt.h"

namespace {

// True when the bytes are well-formed UTF-8.
bool isUtf8(std::string_view bytes) {
    for (size_t pos = 0; pos < bytes.size();) {
        const size_t start = pos;
        if (nextCodePoint(bytes, pos) == 0xFFFD && bytes.substr(start, 3) != "\xEF\xBF\xBD") return false;
    }
    return true;
}

std::string decodeFile(std::string bytes) {
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    if (isUtf8(bytes)) return bytes;
    return toUtf8(bytes, CodePage::Windows1252);
}

bool isBlankLine(const std::string& line) { return trimBlanks(line).empty(); }

void show(const std::string& text) { thePrompt().Message(text, MessageKind::Warning); }

}  // namespace

void CImportReader::RegisterColumn(const std::string& name) { m_Columns.push_back({name, "NONE", -1}); }

bool CImportReader::Open(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return OpenText(std::string());
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return OpenText(decodeFile(std::move(bytes)));
}

bool CImportReader::OpenText(const std::string& text) {
    m_Lines.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        m_Lines.push_back(std::move(line));
        start = end + 1;
    }
    m_nEnd = m_Lines.size();
    while (m_nEnd > 0 && isBlankLine(m_Lines[m_nEnd - 1])) --m_nEnd;
    m_nNext = 0;
    m_nLineNumber = 0;
    m_bError = false;
    m_Pieces.clear();
    m_nValue = 0;
    return ReadHeader();
}

bool CImportReader::TakeLine(std::string& line) {
    if (m_nNext >= m_Lines.size()) return false;
    line = m_Lines[m_nNext++];
    m_nLineNumber = static_cast<int>(m_nNext);
    if (utf8Length(line) > kMaxLineChars) {
        show(strFormat("Die Zeile %d ist länger als %zu Zeichen.", m_nLineNumber, kMaxLineChars));
        m_bError = true;
        return false;
    }
    return true;
}

std::vector<std::string> CImportReader::Split(const std::string& line, bool lastValueAfterDelimiter) const {
    std::vector<std::string> pieces;
    if (line.empty()) return pieces;
    size_t start = 0;
    for (;;) {
        const size_t end = line.find(m_cDelimiter, start);
        if (end == std::string::npos) {
            if (start < line.size() || lastValueAfterDelimiter) pieces.emplace_back(trimBlanks(line.substr(start)));
            return pieces;
        }
        pieces.emplace_back(trimBlanks(line.substr(start, end - start)));
        start = end + 1;
    }
}

bool CImportReader::ReadHeader() {
    for (auto& c : m_Columns) {
        c.defaultValue = "NONE";
        c.pos = -1;
    }
    std::string line;
    if (!TakeLine(line)) return false;
    const size_t eq = line.find('=');
    const std::string name(trimBlanks(line.substr(0, eq)));
    const std::string value(eq == std::string::npos ? std::string_view() : trimBlanks(line.substr(eq + 1)));
    if (name != "DELIMITER" || value.size() != 1) {
        show(strFormat("In Zeile %d müssen Sie ein Zeichen zur Trennung der Parameter festlegen, z.B. DELIMITER=;",
                       1));
        return false;
    }
    m_cDelimiter = value[0];

    if (!TakeLine(line)) return false;
    const std::vector<std::string> pieces = Split(line, false);
    if (pieces.size() > m_Columns.size()) {
        show(strFormat("In Zeile %d haben Sie %d Parameter definiert, obwohl pro Ort höchstens %d Parameter "
                       "vorgesehen sind.",
                       m_nLineNumber, static_cast<int>(pieces.size()), KnownColumns()));
        return false;
    }
    for (size_t i = 0; i < pieces.size(); ++i) {
        const std::string& piece = pieces[i];
        const size_t at = piece.find('=');
        std::string columnName = piece;
        std::string defaultValue = "NONE";
        if (at != std::string::npos && at > 0) {
            columnName = std::string(trimBlanks(piece.substr(0, at)));
            defaultValue = std::string(trimBlanks(piece.substr(at + 1)));
            if (defaultValue.empty()) defaultValue = "NONE";
        }
        Column* column = nullptr;
        for (auto& c : m_Columns) {
            if (c.name == columnName) column = &c;
        }
        if (!column) {
            show(strFormat("In Zeile %d haben Sie in der %d. Spalte den unbekannten Parameter »%s« angekündigt.",
                           m_nLineNumber, static_cast<int>(i), columnName.c_str()));
            return false;
        }
        column->pos = static_cast<int>(i);
        column->defaultValue = defaultValue;
    }
    m_nDeclared = static_cast<int>(pieces.size());
    return true;
}

bool CImportReader::NextLine(bool& error) {
    if (m_bError) {
        error = true;
        return false;
    }
    if (m_nNext >= m_nEnd) return false;
    std::string line;
    if (!TakeLine(line)) {
        error = true;
        return false;
    }
    m_Pieces = isBlankLine(line) ? std::vector<std::string>() : Split(line, true);
    m_nValue = 0;
    if (static_cast<int>(m_Pieces.size()) != m_nDeclared) {
        m_bError = true;
        error = true;
        if (!isBlankLine(line)) {
            show(strFormat("In Zeile %d haben Sie %d Parameter definiert, aber in Zeile 2 haben Sie %d Parameter "
                           "angekündigt.",
                           m_nLineNumber, static_cast<int>(m_Pieces.size()), m_nDeclared));
        }
        return false;
    }
    return true;
}

bool CImportReader::NextValue(std::string& value) {
    if (m_nValue >= m_Columns.size()) {
        value = "NONE";
        return false;
    }
    const Column& c = m_Columns[m_nValue++];
    if (c.pos < 0 || c.pos >= static_cast<int>(m_Pieces.size())) {
        value = "NONE";
    } else {
        value = m_Pieces[c.pos].empty() ? c.defaultValue : m_Pieces[c.pos];
    }
    return value != "NONE";
}
