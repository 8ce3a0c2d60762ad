// Files, the pane font and its pitch, and the wrap column shown above it.
#include "EditPane.h"
#include "IniFile.h"
#include "MainUnit.h"
#include "StrFcns.h"
#include "TextModel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>

namespace {

const QString Options = QStringLiteral("Options");
const QString FontSection = QStringLiteral("Font");

QString DirectoryOf(const QString& fileName) {
  return QDir::toNativeSeparators(QFileInfo(fileName).absolutePath());
}

}  // namespace

QString TMainWindow::FileDir() {
  return Settings().ReadString(Options, QStringLiteral("FileDir"), HomeDir());
}

// The file's text replaces the pane's, and is saved back the way it came.
// A NUL ends the text; the user is told, so that saving over the file does
// not lose the rest unawares.
void TMainWindow::LoadFile(const QString& fileName) {
  const TTextFile file = ReadTextFile(fileName);
  EditPane->SetText(file.text);
  CurrentEncoding = file.encoding;
  if (file.endedAtNul)
    QMessageBox::warning(this, QStringLiteral("Quillsweep"),
                         fileName + QStringLiteral(" holds a NUL character: only the text before it is shown. "
                                                   "Saving over the file would lose the rest."));
}

void TMainWindow::OpenMenuItemClick() {
  Guard(ContextName("OpenMenuItemClick"), Mode::Final, [&] {
    const QString fileName =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open"), FileDir(),
                                     QStringLiteral("Text files (*.txt);;All files (*)"));
    if (!fileName.isEmpty())
      OpenFile(fileName);
  });
}

void TMainWindow::OpenFile(const QString& fileName) {
  CurrentFileName = fileName;
  LoadFile(fileName);
  Settings().WriteString(Options, QStringLiteral("FileDir"), DirectoryOf(fileName));
}

void TMainWindow::SaveMenuItemClick() {
  Guard(ContextName("SaveMenuItemClick"), Mode::Final, [&] {
    const QString start = CurrentFileName.isEmpty() ? FileDir() : CurrentFileName;
    const QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Save"), start, QString(), nullptr,
                                                          QFileDialog::DontConfirmOverwrite);
    if (!fileName.isEmpty())
      SaveFile(fileName);
  });
}

void TMainWindow::SaveFile(const QString& fileName) {
  CurrentFileName = fileName;
  WriteTextFile(fileName, EditPane->Text(), CurrentEncoding);
  Settings().WriteString(Options, QStringLiteral("FileDir"), DirectoryOf(fileName));
}

// A font chosen in the dialog is used without bold, italic, underline or
// strike-out, and stored at once.
void TMainWindow::Font1Click() {
  Guard(ContextName("Font1Click"), Mode::Final, [&] {
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, EditPane->font(), this, QStringLiteral("Font"));
    if (!ok)
      return;
    Settings().WriteString(FontSection, QStringLiteral("Name"), font.family());
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setHintingPreference(QFont::PreferFullHinting);
    EditPane->setFont(font);
    Settings().WriteBool(FontSection, QStringLiteral("Bold"), false);
    Settings().WriteBool(FontSection, QStringLiteral("Italic"), false);
    Settings().WriteBool(FontSection, QStringLiteral("Underline"), false);
    Settings().WriteBool(FontSection, QStringLiteral("Strikeout"), false);
    Settings().WriteInteger(FontSection, QStringLiteral("Size"), qRound(font.pointSizeF()));
    UpdateFontPitchLabel();
    WidenDisplayIfNecessary();
  });
}

void TMainWindow::FontPitchLabelClick() {
  Guard(ContextName("FontPitchLabelClick"), Mode::Final, [&] {
    Font1Click();
    FocusEditPane();
  });
}

int TMainWindow::TextWidth(const QString& s) const { return QFontMetrics(EditPane->font()).horizontalAdvance(s); }

void TMainWindow::UpdateFontPitchLabel() {
  Guard(ContextName("UpdateFontPitchLabel"), Mode::Propagate, [&] {
    const bool fixed = TextWidth(QStringLiteral("|")) == TextWidth(QStringLiteral("W"));
    FontPitchLabel->setText(fixed ? QStringLiteral("Font pitch : Fixed") : QStringLiteral("Font pitch : Variable"));
    UpdateWrapAtLabel();
  });
}

bool TMainWindow::FixedPitch() const {
  return Guard(ContextName("FixedPitch"), Mode::Propagate,
               [&] { return FontPitchLabel->text().contains(QStringLiteral("Fixed")); });
}

void TMainWindow::UpdateWrapAtLabel() {
  Guard(ContextName("UpdateWrapAtLabel"), Mode::Propagate, [&] {
    const QString unit = FixedPitch() ? QStringLiteral(" chars") : QStringLiteral(" 'x's");
    WrapAtLabel->setText(QStringLiteral("Wrap @ ") + QString::number(WrapScroll->value()) + unit);
  });
}

void TMainWindow::WrapScrollChange() {
  Guard(ContextName("WrapScrollChange"), Mode::Final, [&] {
    Settings().WriteInteger(Options, QStringLiteral("WrapColumn"), WrapScroll->value());
    UpdateWrapAtLabel();
    FocusEditPane();
  });
}

int TMainWindow::GetGreatestTextWidth() const {
  return Guard(ContextName("GetGreatestTextWidth"), Mode::Propagate, [&] {
    const QFontMetrics metrics(EditPane->font());
    int widest = 0;
    for (const QString& line : SplitLines(EditPane->Text()))
      widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
  });
}

void TMainWindow::WidenDisplayIfNecessary() {
  Guard(ContextName("WidenDisplayIfNecessary"), Mode::Propagate, [&] {
    const int wanted = GetGreatestTextWidth() + 60;
    if (wanted > width())
      resize(wanted, height());
  });
}
