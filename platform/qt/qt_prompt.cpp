#include "platform/qt/qt_prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QThread>
#include <QtGlobal>

namespace {

const char* const kCaption = "Navora";

QString q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool onGuiThread() {
    return qApp && QThread::currentThread() == qApp->thread();
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::Information;
}

// A modal box with the given buttons, labelled in German whatever the
// installed translations say. Returns the button pressed; closing the box
// counts as its escape button.
QMessageBox::StandardButton showBox(QWidget* parent, const std::string& text, QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton escape) {
    QMessageBox box(icon, kCaption, q(text), buttons, parent);
    const struct {
        QMessageBox::StandardButton button;
        const char* label;
    } labels[] = {{QMessageBox::Ok, "OK"},
                  {QMessageBox::Yes, "Ja"},
                  {QMessageBox::No, "Nein"},
                  {QMessageBox::Cancel, "Abbrechen"}};
    for (const auto& l : labels)
        if (QAbstractButton* b = box.button(l.button)) b->setText(QString::fromUtf8(l.label));
    box.setEscapeButton(escape);
    if (buttons & QMessageBox::Yes) box.setDefaultButton(QMessageBox::Yes);
    const int result = box.exec();
    return result == QMessageBox::NoButton ? escape : static_cast<QMessageBox::StandardButton>(result);
}

// "Way Files (*.way)" as a Qt name filter; a description without its
// pattern gets the pattern appended.
QString nameFilter(const FileFilter& filter) {
    if (filter.description.empty() && filter.pattern.empty()) return {};
    if (filter.description.empty()) return q(filter.pattern);
    QString f = q(filter.description);
    if (!filter.pattern.empty() && !f.contains('(')) f += " (" + q(filter.pattern) + ")";
    return f;
}

void setGermanLabels(QFileDialog& dialog, bool saving) {
    dialog.setLabelText(QFileDialog::Accept, saving ? "Speichern" : QString::fromUtf8("Öffnen"));
    dialog.setLabelText(QFileDialog::Reject, "Abbrechen");
    dialog.setLabelText(QFileDialog::FileName, "Dateiname:");
    dialog.setLabelText(QFileDialog::FileType, "Dateityp:");
    dialog.setLabelText(QFileDialog::LookIn, "Suchen in:");
}

std::optional<std::string> runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
    return files.first().toStdString();
}

void declined(const char* what, const std::string& text) {
    qWarning("Navora: %s outside the user-interface thread declined: %s", what, text.c_str());
}

}  // namespace

QtPrompt::QtPrompt(QWidget* parent) : parent_(parent) {}

QWidget* QtPrompt::DialogParent() const {
    if (parent_) return parent_;
    return QApplication::activeWindow();
}

void QtPrompt::Message(const std::string& text, MessageKind kind) {
    if (!onGuiThread()) {
        // Shown later from the user-interface thread's event loop; the box
        // takes no parent, as the prompt may be gone by then.
        if (qApp)
            QMetaObject::invokeMethod(
                qApp,
                [text, kind] { showBox(nullptr, text, iconOf(kind), QMessageBox::Ok, QMessageBox::Ok); },
                Qt::QueuedConnection);
        return;
    }
    showBox(DialogParent(), text, iconOf(kind), QMessageBox::Ok, QMessageBox::Ok);
}

Answer QtPrompt::AskYesNo(const std::string& text) {
    if (!onGuiThread()) {
        declined("question", text);
        return Answer::No;
    }
    const auto b = showBox(DialogParent(), text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::No);
    return b == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtPrompt::AskYesNoCancel(const std::string& text) {
    if (!onGuiThread()) {
        declined("question", text);
        return Answer::Cancel;
    }
    const auto b = showBox(DialogParent(), text, QMessageBox::Question,
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

Answer QtPrompt::AskOkCancel(const std::string& text) {
    if (!onGuiThread()) {
        declined("question", text);
        return Answer::Cancel;
    }
    const auto b = showBox(DialogParent(), text, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel,
                           QMessageBox::Cancel);
    return b == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> QtPrompt::ChooseFolder(const std::string& title, const std::string& startDir) {
    if (!onGuiThread()) {
        declined("folder chooser", title);
        return std::nullopt;
    }
    QFileDialog dialog(DialogParent(), q(title), q(startDir));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    setGermanLabels(dialog, false);
    dialog.setLabelText(QFileDialog::Accept, "OK");
    return runFileDialog(dialog);
}

std::optional<std::string> QtPrompt::ChooseOpenFile(const std::string& title, const std::string& startDir,
                                                    const FileFilter& filter) {
    if (!onGuiThread()) {
        declined("file chooser", title);
        return std::nullopt;
    }
    QFileDialog dialog(DialogParent(), q(title), q(startDir), nameFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    setGermanLabels(dialog, false);
    return runFileDialog(dialog);
}

std::optional<std::string> QtPrompt::ChooseSaveFile(const std::string& title, const std::string& startPath,
                                                    const FileFilter& filter) {
    if (!onGuiThread()) {
        declined("file chooser", title);
        return std::nullopt;
    }
    QFileDialog dialog(DialogParent(), q(title), q(startPath), nameFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets the filter's, as "*.way" asks.
    const QString pattern = q(filter.pattern);
    if (pattern.startsWith("*.") && !pattern.contains(';') && pattern.count('*') == 1)
        dialog.setDefaultSuffix(pattern.mid(2));
    setGermanLabels(dialog, true);
    return runFileDialog(dialog);
}

void QtPrompt::Beep() {
    if (!onGuiThread()) {
        if (qApp)
            QMetaObject::invokeMethod(
                qApp, [] { QApplication::beep(); }, Qt::QueuedConnection);
        return;
    }
    QApplication::beep();
}

void QtPrompt::SetWaitCursor(bool on) {
    if (!onGuiThread()) return;
    if (on) {
        ++waitDepth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (waitDepth_ > 0) {
        --waitDepth_;
        QApplication::restoreOverrideCursor();
    }
}
