#include "aircraft/ui/load_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/scripted_prompt.h"

namespace {

class LoadDialogTest : public ::testing::Test {
protected:
    ScriptedPrompt prompt_;
    PromptScope scope_{prompt_};
    CLoadDoc load_;

    void SetUp() override {
        load_.m_nSeat = {160, 75, -1, -1, -1};
        load_.m_nBaggage = {20, -1, -1, -1, -1};
    }
};

}  // namespace

TEST_F(LoadDialogTest, ShowsTheLoadAndOkStoresIt) {
    CLoadDialog d(load_);
    const auto& c = d.GetControls();
    EXPECT_EQ(d.windowTitle(), "Beladung");
    EXPECT_EQ(c.massUnit->currentText(), "kg");
    EXPECT_EQ(c.seat[0]->text(), "160");
    EXPECT_EQ(c.seat[1]->text(), "75");
    EXPECT_EQ(c.seat[2]->text(), "");
    EXPECT_EQ(c.baggage[0]->text(), "20");
    // "Maximal" is stored: the fills are empty.
    EXPECT_TRUE(c.maximal->isChecked());
    for (QLineEdit* e : c.fill) EXPECT_EQ(e->text(), "");

    c.seat[1]->clear();
    c.baggage[4]->setText("12");
    c.partial->click();
    c.fill[0]->setText("50");
    c.fill[1]->setText("90");
    d.OkButton()->click();
    EXPECT_TRUE(prompt_.Texts().empty());
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(load_.m_nSeat, (std::array<int16_t, 5>{160, -1, -1, -1, -1}));
    EXPECT_EQ(load_.m_nBaggage[4], 12);
    EXPECT_FLOAT_EQ(load_.m_fFill[0], 0.5f);
    EXPECT_FLOAT_EQ(load_.m_fFill[1], 0.9f);
    EXPECT_EQ(load_.m_fFill[2], NOVALUE_FILL);
    EXPECT_FALSE(load_.IsMaximal());

    // Shown again: the fills and "Auslastung (%)".
    CLoadDialog again(load_);
    EXPECT_TRUE(again.GetControls().partial->isChecked());
    EXPECT_EQ(again.GetControls().fill[1]->text(), "90");
}

TEST_F(LoadDialogTest, MaximalEmptiesTheFillsAndAuslastungAsksForThem) {
    load_.m_fFill = {0.4f, 0.3f, 0.0f};
    CLoadDialog d(load_);
    const auto& c = d.GetControls();
    d.show();
    QApplication::setActiveWindow(&d);
    EXPECT_TRUE(c.partial->isChecked());
    EXPECT_EQ(c.fill[0]->text(), "40");

    c.maximal->click();
    for (QLineEdit* e : c.fill) EXPECT_EQ(e->text(), "");
    c.partial->click();
    EXPECT_EQ(QApplication::focusWidget(), c.fill[0]);

    c.maximal->click();
    d.OkButton()->click();
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(load_.IsMaximal());
}

// "Auslastung (%)" without any fill means empty tanks, not "Maximal".
TEST_F(LoadDialogTest, AuslastungWithoutFillsIsEmptyTanks) {
    CLoadDialog d(load_);
    d.GetControls().partial->click();
    d.OkButton()->click();
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(load_.IsMaximal());
    EXPECT_EQ(load_.m_fFill, (std::array<float, 3>{0, 0, 0}));
}

TEST_F(LoadDialogTest, RefusesValuesOutOfRangeAndKeepsTheLoad) {
    struct Case {
        const char* what;
        int field;  // 0..4 seats, 5..9 baggage, 10..12 fills
        const char* text;
        int unitIndex;  // of the mass selector; -1 keeps kg
        std::string message;
    } cases[] = {
        {"pilot missing", 0, "", -1, "Bitte geben Sie eine Masse (in kg) ein!"},
        {"pilot too light", 0, "20", -1, "Die Masse 20 sollte zwischen 30 und 200 kg liegen!"},
        {"seat row too heavy", 3, "201", -1, "Die Masse 201 sollte zwischen 0 und 200 kg liegen!"},
        {"baggage too heavy", 6, "101", -1, "Die Masse 101 sollte zwischen 0 und 100 kg liegen!"},
        {"over 100 %", 11, "101", -1, "Der Tankfüllgrad 101 sollte zwischen 0 und 100 liegen!"},
        {"no number", 1, "viel", -1, "Bitte geben Sie eine Masse (in kg) ein!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompt_.Clear();
        CLoadDialog d(load_);
        const auto& ctl = d.GetControls();
        if (c.field >= 10) ctl.partial->click();
        QLineEdit* edit = c.field < 5    ? ctl.seat[c.field]
                          : c.field < 10 ? ctl.baggage[c.field - 5]
                                         : ctl.fill[c.field - 10];
        edit->setText(c.text);
        d.OkButton()->click();
        EXPECT_NE(d.result(), QDialog::Accepted);
        EXPECT_EQ(prompt_.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(load_.m_nSeat[0], 160);
        EXPECT_TRUE(load_.IsMaximal());
    }
}

// Masses in pounds: the ranges are converted (200 kg are 440.9 lb).
TEST_F(LoadDialogTest, PoundsAreCheckedInPounds) {
    CLoadDialog d(load_);
    const auto& c = d.GetControls();
    c.massUnit->setCurrentIndex(c.massUnit->findText("lbs"));
    ASSERT_GE(c.massUnit->currentIndex(), 0);
    c.seat[0]->setText("441");
    d.OkButton()->click();
    EXPECT_NE(d.result(), QDialog::Accepted);
    ASSERT_EQ(prompt_.Texts().size(), 1u);
    c.seat[0]->setText("440");
    c.seat[1]->setText("165");
    d.OkButton()->click();
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(load_.m_nMassUnit, DIM_POUNDS);
    EXPECT_EQ(load_.m_nSeat[0], 440);
    EXPECT_EQ(load_.m_nSeat[1], 165);
}

TEST_F(LoadDialogTest, CancelKeepsTheLoad) {
    CLoadDialog d(load_);
    d.GetControls().seat[0]->setText("90");
    d.CancelButton()->click();
    EXPECT_EQ(load_.m_nSeat[0], 160);
}
