#include "views/ui/appendix_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "views/appendix_doc.h"
#include "views/ui/text_view_widget.h"

namespace {
constexpr int kMaxTextChars = 80;
}

CAppendixDialog::CAppendixDialog(CAppendixDoc& appendix, QWidget* parent)
    : CDimDialog(QStringLiteral("Anhang"), parent), appendix_(appendix) {
    winds_ = appendix.m_bWithWinds;
    fuel_ = appendix.m_bWithFuel;
    sunset_ = appendix.m_bWithSunset;
    for (size_t i = 0; i < 3; ++i) {
        withText_[i] = appendix.m_bWithText[i];
        text_[i] = appendix.GetText(static_cast<int>(i));
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(qs("Auf dem Ausdruck zur Kurs- und Zeitberechnung erscheint ein Anhang"), this));
    c_.winds = new QCheckBox(qs("Mit Höhenwind"), this);
    c_.fuel = new QCheckBox(qs("Mit Treibstoffverbrauch"), this);
    c_.sunset = new QCheckBox(qs("Mit Sonnenuntergangszeit am Landeort"), this);
    for (QCheckBox* box : {c_.winds, c_.fuel, c_.sunset}) layout->addWidget(box);
    Check(c_.winds, winds_);
    Check(c_.fuel, fuel_);
    Check(c_.sunset, sunset_);

    for (size_t i = 0; i < 3; ++i) {
        c_.withText[i] = new QCheckBox(qs("Mit Anwendertext ") + QString::number(i + 1), this);
        c_.text[i] = NewEdit(kMaxTextChars / 2);
        layout->addWidget(c_.withText[i]);
        layout->addWidget(c_.text[i]);
        Check(c_.withText[i], withText_[i]);
        Text(c_.text[i], text_[i]).MaxChars(kMaxTextChars);
        // A text can be edited only while its box is ticked.
        QLineEdit* edit = c_.text[i];
        connect(c_.withText[i], &QCheckBox::toggled, edit, &QLineEdit::setEnabled);
    }

    layout->addWidget(MakeOkCancelButtons());
    ShowFields();
    for (size_t i = 0; i < 3; ++i) c_.text[i]->setEnabled(c_.withText[i]->isChecked());
}

void CAppendixDialog::Apply() {
    appendix_.m_bWithWinds = winds_;
    appendix_.m_bWithFuel = fuel_;
    appendix_.m_bWithSunset = sunset_;
    for (size_t i = 0; i < 3; ++i) {
        appendix_.m_bWithText[i] = withText_[i];
        appendix_.SetText(static_cast<int>(i), text_[i]);
    }
    appendix_.SetModifiedFlag();
}

bool RunAppendixDialog(QWidget* parent) {
    CAppendixDoc& appendix = *theAppendixDoc();
    CAppendixDialog dialog(appendix, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    TextViewWidget::UpdateAllTextViews();
    return true;
}
