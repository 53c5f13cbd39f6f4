#include "locations/name_completion.h"

#include <gtest/gtest.h>

#include "locations/location.h"
#include "locations/name_list.h"

namespace {

class Completion : public ::testing::Test {
protected:
    CNameList names;

    void SetUp() override {
        const std::pair<const char*, const char*> locations[] = {
            {"Egelsbach", "EDFE"}, {"Egge", ""}, {"EGGE", ""}, {"Eggenfelden", "EDME"},
            {"Essen", "EDLE"},     {"Eger", ""}, {"Zell", ""}};
        ASSERT_TRUE(names.MakeRoom(20));
        names.SetCurrentRegion(0);
        int pos = 0;
        for (const auto& [name, ident] : locations) {
            CLocation loc;
            loc.SetName(name);
            loc.SetIdent(ident);
            names.Register(loc, pos++);
        }
        names.Sort();
    }
    std::vector<std::string> texts(const std::string& typed, size_t limit = 20) const {
        std::vector<std::string> out;
        for (int i : NameCompletions(names, typed, limit)) out.push_back(names.Text(i));
        return out;
    }
};

TEST_F(Completion, ExactNamesComeBeforeLongerOnes) {
    EXPECT_EQ(texts("egge"), (std::vector<std::string>{"Egge", "EGGE", "Eggenfelden"}));
    // Idents are names too, and case does not matter.
    EXPECT_EQ(texts("edf"), (std::vector<std::string>{"EDFE"}));
    EXPECT_EQ(texts("ed"), (std::vector<std::string>{"EDFE", "EDLE", "EDME"}));
    EXPECT_EQ(texts("Eg"), (std::vector<std::string>{"Egelsbach", "Eger", "Egge", "EGGE", "Eggenfelden"}));
    // Only an exact run and nothing longer.
    EXPECT_EQ(texts("zell"), (std::vector<std::string>{"Zell"}));
}

TEST_F(Completion, NothingForUnknownOrEmptyTextAndAtMostTheLimit) {
    EXPECT_TRUE(texts("Xanten").empty());
    EXPECT_TRUE(texts("").empty());
    EXPECT_EQ(texts("E", 2).size(), 2u);
    EXPECT_EQ(texts("egge", 1), (std::vector<std::string>{"Egge"}));
    CNameList empty;
    EXPECT_TRUE(NameCompletions(empty, "E", 5).empty());
}

}  // namespace
