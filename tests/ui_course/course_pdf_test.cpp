// The flight log printed into a PDF file, read back with pdftotext.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "course_env.h"
#include "support/temp_dir.h"
#include "views/course_view.h"
#include "views/ui/text_view_print.h"

namespace {

bool havePdfToText() {
    return std::system("command -v pdftotext >/dev/null 2>&1") == 0;
}

std::vector<std::string> pageLines(const std::string& pdf, int page) {
    const std::string command = "pdftotext -layout -f " + std::to_string(page) + " -l " +
                                std::to_string(page) + " '" + pdf + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[4096];
    size_t n;
    while (pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) text.append(buffer, n);
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

bool contains(const std::vector<std::string>& lines, const std::string& text) {
    for (const std::string& line : lines)
        if (line.find(text) != std::string::npos) return true;
    return false;
}

class CoursePdf : public CourseEnv {};

TEST_F(CoursePdf, LongRoutePrintsEveryPageWithHeadHeaderFooterAndRunningTotals) {
    longRoute(100);
    CCourseView view;  // the current route
    TempDir dir;
    const std::string pdf = dir.file("flug.pdf");
    ASSERT_TRUE(ExportTextViewPdf(view, pdf, view.FileLineText()));
    const int pages = view.GetPageCount();
    ASSERT_GE(pages, 3);
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";

    int sum = 0;
    int rows = 0;
    std::vector<std::string> last;
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        const std::vector<std::string> lines = pageLines(pdf, page);
        EXPECT_TRUE(contains(lines, "N a v o r a"));
        EXPECT_TRUE(contains(lines, "Flug: WP00 - WP99"));
        EXPECT_TRUE(contains(lines, "Datei: Lang.way"));
        EXPECT_TRUE(contains(lines, "Flugzeug: D-EPDF"));
        EXPECT_TRUE(contains(lines, "Seite " + std::to_string(page)));
        bool head = false;
        for (const std::string& line : lines)
            if (words(line) == std::vector<std::string>{"Ort", "Freq", "H.Min", "Vg", "RWK", "Dist", "Höhe",
                                                        "Krs", "Zeit", "ETO", "ATO"})
                head = true;
        EXPECT_TRUE(head);
        for (const std::string& line : lines) {
            const std::vector<std::string> w = words(line);
            // WPnn ? Vg RWK Dist Höhe Krs Zeit
            if (w.size() == 8 && w[0].rfind("WP", 0) == 0) {
                sum += std::stoi(w[4]);
                ++rows;
            }
        }
        last = lines;
    }
    EXPECT_EQ(rows, 99);  // every leg once
    bool total = false;
    for (const std::string& line : last) {
        const std::vector<std::string> w = words(line);
        if (w.size() == 2 && w[0] == std::to_string(sum) && w[1].find(':') != std::string::npos) total = true;
    }
    EXPECT_TRUE(total) << "no total of " << sum << " on the last page";
}

}  // namespace
