#pragma once
// Reader of delimited text files of locations, as spreadsheets export them:
//
//   line 1   DELIMITER=;                   one delimiter character
//   line 2   NAME;IDENT;COUNTRY=ED;...      column names, optionally =default
//   line 3+  one location per line, one value per declared column
//
// Values are trimmed; an empty value takes its column's default, and "NONE"
// stands for no value. A line ending in the delimiter has an empty last
// value. Blank lines at the end of the file are ignored; a blank line in
// between ends the reading with an error. Lines longer than 511 characters
// are refused. The file may be Windows-1252 or UTF-8 text.

#include <string>
#include <vector>

class CImportReader {
public:
    static constexpr size_t kMaxLineChars = 511;

    // Registers a known column (default "NONE", not declared yet). Values are
    // handed out in registration order.
    void RegisterColumn(const std::string& name);
    int KnownColumns() const { return static_cast<int>(m_Columns.size()); }

    // Reads the file and checks lines 1 and 2, showing what is wrong. A file
    // that ends before line 2 fails without a message.
    bool Open(const std::string& path);
    // The same for text already in memory (UTF-8).
    bool OpenText(const std::string& text);

    // Reads the next data line. True when it holds one value per declared
    // column. False at the end of the file, or with `error` set when the
    // line is refused (a message says why, unless the line is empty); after
    // an error no further line is read.
    bool NextLine(bool& error);
    // The number of the line last read (1 = the delimiter line).
    int LineNumber() const { return m_nLineNumber; }
    // The value of the next known column of the current line; false when it
    // is "NONE" (no value).
    bool NextValue(std::string& value);

private:
    struct Column {
        std::string name;
        std::string defaultValue = "NONE";
        int pos = -1;
    };
    bool ReadHeader();
    bool TakeLine(std::string& line);
    std::vector<std::string> Split(const std::string& line, bool lastValueAfterDelimiter) const;

    std::vector<Column> m_Columns;
    std::vector<std::string> m_Lines;
    size_t m_nNext = 0;        // index of the next line to read
    size_t m_nEnd = 0;         // lines from here on are blank
    int m_nLineNumber = 0;
    char m_cDelimiter = ';';
    int m_nDeclared = 0;
    bool m_bError = false;
    std::vector<std::string> m_Pieces;
    size_t m_nValue = 0;
};
